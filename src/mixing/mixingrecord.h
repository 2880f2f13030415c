#pragma once
// The mixing record of the run data file: the two streams and the mixed
// stream, each a block of its title and ten caption/value lines, between a
// rule of 34 hyphens and one of 29.

#include "point/records.h"

#include <string>

namespace mixing {

// The row captions of the mixing window, as it shows them.
struct RowCaptions {
    std::string acfm, pressure, db, wb, rh, h, v, hr, dp, pv;
};

// One block: the column's title and the values of its rows, as shown.
struct RecordBlock {
    std::string title;
    std::string acfm, prvalue, db, wb, rh, h, v, hr, dp, pv;
};

point::RecordLines mixingRecord(const RowCaptions& captions, const RecordBlock& stream1, const RecordBlock& stream2,
                                const RecordBlock& mixed);

} // namespace mixing
