#include "point/records.h"

#include "chart/rundatafile.h"
#include "numtext/numtext.h"
#include "ui/dialogs.h"

#include <optional>

namespace point {

std::string pressureRowCaption(std::optional<chart::PressureUnit> unit)
{
    return unit ? chart::pressureUnitInfo(*unit).rowCaption : "";
}

std::vector<std::string> pressureRowCaptions()
{
    std::vector<std::string> captions;
    for (const chart::PressureUnitInfo& unit : chart::pressureUnits)
        captions.push_back(unit.rowCaption);
    return captions;
}

std::string pressureRowValue(const std::string& typed, char localeDecimal)
{
    const std::optional<double> value = numtext::wholeNumber(typed, localeDecimal);
    if (!value || *value == -1)
        return "";
    return typed;
}

void zoneAdvance(std::string& line)
{
    line.append(printZone - line.size() % printZone, ' ');
}

void RecordLines::rule(std::size_t hyphens)
{
    lines_.emplace_back(hyphens, '-');
}

void RecordLines::text(std::string line)
{
    lines_.push_back(std::move(line));
}

void RecordLines::captionValue(const std::string& caption, int zoneAdvances, const std::string& value)
{
    std::string line = caption;
    for (int i = 0; i < zoneAdvances; ++i)
        zoneAdvance(line);
    lines_.push_back(line + value);
}

void RecordLines::pointId(const std::string& caption, const std::string& id)
{
    std::string line = caption;
    for (int i = 0; i < 3; ++i)
        zoneAdvance(line);
    line.append(7, ' ');
    zoneAdvance(line);
    lines_.push_back(line + id);
}

void writeStateRows(RecordLines& record, const StateRows& rows)
{
    // Three zone advances put a value in column 57; the humidity-ratio
    // caption is long enough to reach it with one fewer.
    constexpr std::size_t humidityRatioRow = 6;
    for (std::size_t i = 0; i < rows.size(); ++i)
        record.captionValue(rows[i].caption, i == humidityRatioRow ? 2 : 3, rows[i].value);
}

RecordLines pointRecord(const CaptionValue& id, const StateRows& rows)
{
    RecordLines record;
    record.rule(25);
    record.pointId(id.caption, id.value);
    writeStateRows(record, rows);
    record.rule(28);
    return record;
}

bool appendRecord(const chart::RunDataFile& runData, ui::Dialogs& dialogs, const RecordLines& record)
{
    std::string reason;
    if (runData.append(record.lines(), reason))
        return true;
    dialogs.message("The data could not be saved in " + runData.path() + ": " + reason, ui::Buttons::Ok);
    return false;
}

} // namespace point
