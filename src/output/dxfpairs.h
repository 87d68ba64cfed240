#pragma once
// The pieces of an ASCII DXF file: pairs of a group-code line and a value line, each line
// ended by CR LF, and the records and entities built from them.
#include <string>
#include <string_view>
#include <vector>

namespace output {

struct DxfPoint {
  double x = 0;
  double y = 0;
};

struct DxfLineType {
  int handle;
  const char* name;
  const char* description;
  std::vector<double> elements;  // dash > 0, gap < 0, in output units
};

class DxfPairs {
 public:
  // Group codes are plain ("0", "10"); values as below.
  void Text(int code, std::string_view value);
  // The signed form with a blank before non-negative numbers: " 7", " 0", "-1".
  void Integer(int code, long value);
  // "##0.0#####": 0 -> "0.0", -10 -> "-10.0", 1/3 -> "0.333333". A value that is not finite
  // is written as "0.0" and marks the file as unusable (see Finite).
  void Real(int code, double value);
  void SectionStart(std::string_view name);  // "0" SECTION, "2" name
  void SectionEnd();                          // "0" ENDSEC
  void Handle(long handle);                   // "5" and the handle in the integer form

  void LayerRecord(long handle, std::string_view name, int colour, std::string_view lineType);
  void LineTypeRecord(const DxfLineType& type);
  // An old-style 2D polyline: the header, one VERTEX per point, SEQEND. Entities take the
  // line type of their layer.
  void Polyline(long handle, std::string_view layer, const std::vector<DxfPoint>& points, bool closed);
  void Circle(long handle, std::string_view layer, DxfPoint centre, double radius);

  bool Finite() const { return finite_; }
  const std::string& str() const { return text_; }

 private:
  void Line(std::string_view line);
  void Code(int code);  // a group code's line
  void RealValue(double value);  // a real's value line
  std::string text_;
  bool finite_ = true;
};

}  // namespace output
