#include "mixing/mixingrecord.h"

namespace mixing {
namespace {

void block(point::RecordLines& record, const RowCaptions& c, const RecordBlock& b)
{
    record.text(b.title);
    record.captionValue(c.acfm, 3, b.acfm);
    point::writeStateRows(record, {{{c.pressure, b.prvalue},
                                    {c.db, b.db},
                                    {c.wb, b.wb},
                                    {c.rh, b.rh},
                                    {c.h, b.h},
                                    {c.v, b.v},
                                    {c.hr, b.hr},
                                    {c.dp, b.dp},
                                    {c.pv, b.pv}}});
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
