#pragma once
// The one reader of numbers the user types, in a box or a batch option. Files written by
// the program are read with it too where they keep a text as typed (lengths in projects and
// settings), so a text reads the same wherever it was typed.
//
// "." and "," are both the decimal separator; blanks around the text are ignored; a leading
// "-" or "+" is a sign; a trailing separator is dropped ("1," is 1) and a leading one reads
// as 0 before it (",5" is 0.5). Thousands may be grouped by single blanks ("1 234.5", as the
// program shows them), and an exponent ("1E-08", as the program writes tiny values) is read.
// An empty text is 0. Anything else ("1,2,3", letters) is malformed: it reads as 0 and is
// flagged, never as some other number.
#include <string>
#include <string_view>

namespace core {

struct NumberReading {
  double value = 0;
  bool malformed = false;
};

// A decimal number: angles, percentages, millimetres.
NumberReading ReadNumber(std::string_view text);
// A decimal number, or inches with a fraction: "3/32", and whole inches and a fraction
// joined by blanks, ".", "," or "-": "7 1/2", "7.1/2", "7,1/2" and "7-1/2" are all 7.5.
// A sign belongs to the whole number: "-1/2" is -0.5 and "-1.1/2" is -1.5.
NumberReading ReadInchNumber(std::string_view text);
// ReadNumber's value, 0 when malformed.
double NumberFromText(std::string_view text);

// The characters a box of decimal numbers accepts (add "-" where a value may be negative).
std::string NumberKeys();

}  // namespace core
