// The words of gravity and air: names of the worlds and balls, the conditions in the status
// line and in the report, the refusals in the air's own terms, and the line of k and the
// terminal speed in the "Gravity and air" dialog. Windows-1252 bytes, as the dialog shows them,
// in the words of a language (0 Catalan, 1 English, 2 Spanish; see words.h); numbers keep the
// point in every language.
#pragma once

#include <string>
#include <vector>

#include "physics/case_solve.h"
#include "physics/conditions.h"
#include "text/messages.h"

// "Earth", "Moon", ... by index into kWorlds; "Other" for any other index (kWorldOther).
std::string WorldName(int world, int language);
// "Baseball", "Golf ball", ... by index into kBalls; "Other" for any other index (kBallOther).
std::string BallName(int ball, int language);

// The conditions in a few words, for the status line: "Mars (g 3.71 m/s²), baseball in air",
// "Moon (g 1.62 m/s²), no air", "g 5.5 m/s², a ball of 0.2 kg, 0.1 m, Cd 0.4 in air"; values
// typed in with four significant digits at most.
std::string ConditionsPhrase(const Conditions& conditions, int language);

// The status line of a case: the case's words as they are on Earth without air; otherwise
// after the conditions: "Mars (g 3.71 m/s²), baseball in air: lands 40.775 m away ...".
std::string StatusUnderConditions(const Conditions& conditions, const std::string& caseText, int language);

// The other launch of a given angle, which differs in speed only: "; also fits at 75.565 m/s".
std::string OtherSpeedPhrase(double vo, int language);

// The lines a saved or copied case gains when the conditions are not Earth without air, in the
// report's style (name, tab, value, tab): g, and with air the ball, mass, diameter, Cd, air
// density, k and the terminal speed. Empty on Earth without air.
std::vector<std::string> ConditionsReportLines(const Conditions& conditions, int language);

// "k 0.0063071 1/m   terminal speed 39.438 m/s" (the dialog's static), or "No air" without it.
std::string DragSummary(const Conditions& conditions, int language);

// One line for a fault of the given data with air; the kinds that quote no formula read as in
// a vacuum. `vo` is the given initial speed.
std::string AirDataFaultLine(const CaseFault& fault, double vo, bool ground, int language);
// All the faults in one box, as DataFaultsMessage.
Message AirDataFaultsMessage(const std::vector<CaseFault>& faults, double vo, bool ground, int language);

// A case refused beyond the vacuum's reasons: "With this air resistance, Vx 20 m/s carries at
// most 45.123 m", or a case the numerics cannot settle.
Message AirLimitMessage(AirLimit limit, const GivenData& given, double bound, int language);

// A point question outside the integrated path: "x must be between 0.00 and 95.04 m".
Message PointRangeMessage(int k, const PointRange& range, int language);
// A speed below the least of the flight.
Message LeastSpeedMessage(double leastSpeed, int language);

// Conditions that cannot be flown: which value and why, under the dialog's title.
Message ConditionsFaultMessage(ConditionsFault fault, int language);
