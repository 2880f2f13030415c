#include "mixing/mixingrecord.h"

namespace mixing {
namespace {

void block(point::RecordLines& record, const RowCaptions& c, const RecordBlock& b)
{
    record.text(b.title);
    record.captionValue(c.acfm, 3, b.acfm);
    record.captionValue(c.pressure, 3, b.prvalue);
    record.captionValue(c.db, 3, b.db);
    record.captionValue(c.wb, 3, b.wb);
    record.captionValue(c.rh, 3, b.rh);
    record.captionValue(c.h, 3, b.h);
    record.captionValue(c.v, 3, b.v);
    // The humidity-ratio caption is long enough to reach the value column
    // with one zone fewer.
    record.captionValue(c.hr, 2, b.hr);
    record.captionValue(c.dp, 3, b.dp);
    record.captionValue(c.pv, 3, b.pv);
}

} // namespace

point::RecordLines mixingRecord(const RowCaptions& captions, const RecordBlock& stream1, const RecordBlock& stream2,
                                const RecordBlock& mixed)
{
    point::RecordLines record;
    record.rule(34);
    block(record, captions, stream1);
    record.text("");
    block(record, captions, stream2);
    record.text("");
    block(record, captions, mixed);
    record.rule(29);
    return record;
}

} // namespace mixing
