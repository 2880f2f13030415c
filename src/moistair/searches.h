#pragma once
// States of moist air that the property functions cannot give directly,
// found by searching with bisectsearch at the given working pressure.

#include "moistair/bisect.h"

#include <optional>
#include <string>

namespace moistair {

// The dry bulb at which air of relative humidity rh has humidity ratio hr;
// nullopt when the search runs out; 60 when rh lies outside 0 to 100.
std::optional<double> dbwithrhandhr(double rh, double hr, double atm);

// The search for the wet bulb at which air of dry bulb db has specific volume
// v: it runs only when v lies strictly between the volumes at wet bulbs 0 and
// 120. Throws PsychroError when a property computation fails.
SearchResult searchWetBulbOfVolume(double db, double v, double atm);

// The specific volume of air of dry bulb db and humidity ratio hr. Throws
// PsychroError when the search for its wet bulb runs out.
double spvolwithdbandhr(double db, double hr, double atm);

// The vapour pressure of air of dry bulb db and humidity ratio hr, as text
// with four decimals, or empty when the search runs out or the pressure is
// negative; result is left as it was when db or hr is out of range.
void pvwithdbandhr(double db, double hr, double atm, std::string& result);

// The result and wet-bulb fields that one caller keeps for the wet-bulb
// search solvers: they hold the caller's own results from one call to the
// next.
struct WetBulbFields {
    double result = 0;
    double wb = 0;
};

// Wet-bulb search solvers: each finds the wet bulb from the dry bulb and a
// second property, then writes a third property to fields.result and the wet
// bulb to fields.wb. Inputs and outputs pass rounded to 15 significant
// digits. hwithdbandrh writes no wet bulb; the dew-point solvers leave
// fields.result as it was when the vapour pressure found is not positive. A
// wet bulb that cannot be found at all is taken as 0; no solver throws.
void hwithdbandrh(double db, double rh, double atm, WetBulbFields& fields);
void dpwithdbandrh(double db, double rh, double atm, WetBulbFields& fields);
void spvolwithdbandrh(double db, double rh, double atm, WetBulbFields& fields);
void hrwithdbandspvol(double db, double v, double atm, WetBulbFields& fields);
void dpwithdbandspvol(double db, double v, double atm, WetBulbFields& fields);
void hrwithdbandh(double db, double h, double atm, WetBulbFields& fields);
void dpwithdbandh(double db, double h, double atm, WetBulbFields& fields);
void spvolwithdbandh(double db, double h, double atm, WetBulbFields& fields);

} // namespace moistair
