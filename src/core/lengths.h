#pragma once
// Typed lengths, positions along the chord and stations.
#include <optional>
#include <string>
#include <string_view>

#include "core/ribdocument.h"

namespace core {

inline constexpr double kMmPerInch = 25.4;

// A typed length in the unit in force (" mm" or " in") to millimetres, read as
// core::ReadNumber reads it, or in inches as core::ReadInchNumber ("7 1/2", "7.1/2",
// "3/32"). A malformed text ("1,2,3", "1./2", "7 1/0") reads as 0 and is flagged: where
// the user typed it, the caller tells them.
struct LengthReading {
  float mm = 0;
  bool malformed = false;
};
LengthReading ReadLength(std::string_view text, std::string_view unitText);
float LengthFromText(std::string_view text, std::string_view unitText);
// The text with its millimetres.
Length TypedLength(std::string_view text, std::string_view unitText);
// Millimetres to the text shown in the unit in force (inch fractions up to 1/64).
std::string LengthToText(float mm, std::string_view unitText);
// Millimetres as a box or label shows a worked-out length in the unit in force: two
// decimals in millimetres, three in inches (two would round by up to an eighth of a
// millimetre).
std::string UnitNumberText(double mm, std::string_view unitText);

// A position: a length, or a number followed by "%" of the chord.
LengthReading ReadPosition(std::string_view text, float chordMm, std::string_view unitText);
float PercentLength(std::string_view text, float chordMm, std::string_view unitText);
float PercentLengthFromTE(std::string_view text, float chordMm, std::string_view unitText);

double StationFromLE(double mm, double chord);
double StationFromTE(double mm, double chord);
// The whole station a computed station indexes, halves to even, kept within 0..400.
int NearestStation(double station);

double Radians(double degrees);

// The characters a length box accepts in the unit in force: in inches also "/", the blank
// and "-" of the fractions.
// `negativeAllowed`: "-" also leads a value (in inches it is in the set anyway).
std::string LengthKeys(std::string_view unitText, bool negativeAllowed = false);

// The chord a rib file's title names after its last ":", in millimetres: "Rib 3 Chord :
// 150.00", "180 mm", or inches where the title says so ("8.1/2 in", 8"), whatever the unit
// in force. None where the title names no chord longer than 0 ("E387: low Reynolds").
std::optional<float> ChordInTitleMm(std::string_view title);

}  // namespace core
