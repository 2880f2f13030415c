#pragma once
// The records that the result windows append to the run data file: lines of a
// caption and a value, between rules of hyphens. The writer places text by
// print zones of 14 columns (stops at columns 1, 15, 29, 43, 57, ...), so that
// the values of a record line up in column 57.

#include "chart/pressureunit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace chart {
class RunDataFile;
}
namespace ui {
class Dialogs;
}

namespace point {

// The width of a print zone, in columns.
inline constexpr std::size_t printZone = 14;

// The caption of a pressure row, by the unit in which the pressure was given;
// empty when it was given with no unit chosen.
std::string pressureRowCaption(std::optional<chart::PressureUnit> unit);

// The captions of the pressure row of every unit, in the order of the units.
std::vector<std::string> pressureRowCaptions();

// The value of a pressure row: the pressure as the user typed it, or empty
// when that text is not a number as a whole (the point or localeDecimal its
// decimal separator) or reads as -1.
std::string pressureRowValue(const std::string& typed, char localeDecimal);

// The lines of one record, built from the top down.
class RecordLines {
public:
    // A rule of the given number of hyphens.
    void rule(std::size_t hyphens);
    // A line of its own: a title, or an empty line.
    void text(std::string line);
    // The caption, the given number of zone advances, then the value. An
    // empty value leaves the caption and its blanks.
    void captionValue(const std::string& caption, int zoneAdvances, const std::string& value);
    // The point identification: "Point Id", three zone advances, seven
    // blanks, one zone advance, then the identification.
    void pointId(const std::string& caption, const std::string& id);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

// Writes blanks up to the next zone stop strictly after the end of the line.
void zoneAdvance(std::string& line);

// A caption and the value shown beside it.
struct CaptionValue {
    std::string caption, value;
};

// The rows of a state as a record lists them: the pressure, dry bulb, wet
// bulb, relative humidity, enthalpy, specific volume, humidity ratio, dew
// point and vapour pressure.
using StateRows = std::array<CaptionValue, 9>;

// Writes the rows of a state, each value in the record's value column.
void writeStateRows(RecordLines& record, const StateRows& rows);

// The point record of a located point: its identification, then the rows of
// its state, between rules.
RecordLines pointRecord(const CaptionValue& id, const StateRows& rows);

// Appends the record to the run data file. When the file cannot be written
// the user is told the path and the reason. Returns whether the record was
// written: only then may "Save data in file" be enabled.
bool appendRecord(const chart::RunDataFile& runData, ui::Dialogs& dialogs, const RecordLines& record);

} // namespace point
