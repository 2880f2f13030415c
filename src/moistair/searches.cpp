#include "moistair/searches.h"

#include "moistair/bisect.h"
#include "moistair/psychro.h"
#include "numtext/numtext.h"

namespace moistair {
namespace {

SearchParams searchWithTolerance(double tolerance, Bracket bracket = Bracket::None)
{
    SearchParams params;
    params.tolerance = tolerance;
    params.bracket = bracket;
    return params;
}

bool isPercent(double rh) { return rh >= 0 && rh <= 100; }

// The humidity-ratio search over the wet bulb of air of dry bulb db: the
// humidity ratio must lie strictly between those of wet bulbs 0 and 120.
SearchResult wetBulbWithHumidityRatio(double db, double hr, double atm)
{
    auto humidityRatio = [&](double wb) { return psychro_w(db, wb, atm); };
    return bisectsearch(humidityRatio, hr, searchWithTolerance(1e-07, Bracket::BothEnds));
}

// The dew point of air of dry bulb db and wet bulb wb.
double dewPoint(double db, double wb, double atm)
{
    return psychro_dp(psychro_pv1(db, wb, atm));
}

// The wet bulb at which air of dry bulb db has relative humidity rh; 60 when
// rh lies outside 0 to 100; the last midpoint when the search runs out.
double wetBulbWithRh(double db, double rh, double atm)
{
    SearchParams params = searchWithTolerance(1e-06);
    if (!isPercent(rh))
        return unbracketed(params).x;
    auto relativeHumidity = [&](double wb) { return psychro_rh(db, wb, atm); };
    return bisectsearch(relativeHumidity, rh, params).x;
}

// The wet bulb at which air of dry bulb db has specific volume v; 60 unless v
// lies strictly between the volumes at wet bulbs 0 and 120; the last midpoint
// when the search runs out.
double wetBulbWithVolume(double db, double v, double atm)
{
    return searchWetBulbOfVolume(db, v, atm).x;
}

using WetBulbFinder = double (*)(double db, double second, double atm);
using WetBulbProperty = double (*)(double db, double wb, double atm);

enum class WetBulbOutput { Written, NotWritten };

// Finds the wet bulb from db and the second input, both rounded to 15
// significant digits, then writes the property there to the result field
// and the wet bulb to the wet-bulb field, each rounded the same way. A
// property that has no value there (the dew point of a vapour pressure of
// zero or less) leaves the result field as it was.
void solveWetBulb(WetBulbFinder findWetBulb, WetBulbProperty property, double db,
                  double second, double atm, WetBulbFields& fields,
                  WetBulbOutput wetBulbOutput = WetBulbOutput::Written)
{
    db = numtext::round15(db);
    // A wet bulb that cannot be found (an enthalpy so low that the walk down
    // the saturation line leaves the scale) is taken as 0, which no state
    // accepts: the operation still never stops its caller.
    double wb = 0;
    skipOnFailure([&] { wb = findWetBulb(db, numtext::round15(second), atm); });
    skipOnFailure([&] { fields.result = numtext::round15(property(db, wb, atm)); });
    if (wetBulbOutput == WetBulbOutput::Written)
        fields.wb = numtext::round15(wb);
}

} // namespace

SearchResult searchWetBulbOfVolume(double db, double v, double atm)
{
    auto volume = [&](double wb) { return psychro_v(db, wb, atm); };
    return bisectsearch(volume, v, searchWithTolerance(1e-07, Bracket::BothEnds));
}

std::optional<double> dbwithrhandhr(double rh, double hr, double atm)
{
    SearchParams params = searchWithTolerance(1e-07);
    if (!isPercent(rh))
        return unbracketed(params).x;
    auto humidityRatio = [&](double db) { return psychro_wrh(db, rh, atm); };
    std::optional<double> found;
    skipOnFailure([&] {
        SearchResult search = bisectsearch(humidityRatio, hr, params);
        if (!search.exhausted())
            found = search.x;
    });
    return found;
}

double spvolwithdbandhr(double db, double hr, double atm)
{
    SearchResult search = wetBulbWithHumidityRatio(db, hr, atm);
    if (search.exhausted())
        throw PsychroError("spvolwithdbandhr: no wet bulb has the humidity ratio asked for");
    return psychro_v(db, search.x, atm);
}

void pvwithdbandhr(double db, double hr, double atm, std::string& result)
{
    if (!(db > 0 && db <= 120 && hr > 0 && hr <= 0.03))
        return;
    SearchResult search = wetBulbWithHumidityRatio(db, hr, atm);
    // A humidity ratio that no wet bulb from 0 to 120 reaches gives the empty
    // text, as does a search that runs out.
    if (!search.converged()) {
        result.clear();
        return;
    }
    std::string text = numtext::fourDecimals(psychro_pv1(db, search.x, atm));
    if (numtext::leadingNumberOr0(text) < 0)
        text.clear();
    result = text;
}

void hwithdbandrh(double db, double rh, double atm, WetBulbFields& fields)
{
    solveWetBulb(wetBulbWithRh, psychro_h, db, rh, atm, fields, WetBulbOutput::NotWritten);
}

void dpwithdbandrh(double db, double rh, double atm, WetBulbFields& fields)
{
    solveWetBulb(wetBulbWithRh, dewPoint, db, rh, atm, fields);
}

void spvolwithdbandrh(double db, double rh, double atm, WetBulbFields& fields)
{
    solveWetBulb(wetBulbWithRh, psychro_v, db, rh, atm, fields);
}

void hrwithdbandspvol(double db, double v, double atm, WetBulbFields& fields)
{
    solveWetBulb(wetBulbWithVolume, psychro_w, db, v, atm, fields);
}

void dpwithdbandspvol(double db, double v, double atm, WetBulbFields& fields)
{
    solveWetBulb(wetBulbWithVolume, dewPoint, db, v, atm, fields);
}

void hrwithdbandh(double db, double h, double atm, WetBulbFields& fields)
{
    solveWetBulb(psychro_wb, psychro_w, db, h, atm, fields);
}

void dpwithdbandh(double db, double h, double atm, WetBulbFields& fields)
{
    solveWetBulb(psychro_wb, dewPoint, db, h, atm, fields);
}

void spvolwithdbandh(double db, double h, double atm, WetBulbFields& fields)
{
    solveWetBulb(psychro_wb, psychro_v, db, h, atm, fields);
}

} // namespace moistair
