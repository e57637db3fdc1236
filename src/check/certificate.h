#pragma once
// The certificate as content without layout: one page per check, each with its texts
// ready to print and the numbers for the error plot. A renderer (the PDF writer) only
// places them; what a certificate says is decided here, once.

#include <string>
#include <vector>

#include "check/check_result.h"

namespace check {

struct LabelledText {
  std::string label;
  std::string text;
};

struct PlotPoint {
  double percent = 0;
  double error_percent = 0;
  bool passed = false;
};

struct CertificatePage {
  std::string title;                    // "校准检查证书 Calibration check certificate"
  std::string stage;                    // "检定前 As found"
  std::vector<LabelledText> identity;   // type, serial number, version, range, unit, address
  std::vector<LabelledText> plan;       // points, tolerance, readings, stability, reference
  std::vector<std::string> table_head;  // nominal, reference, reading, error, verdict
  std::vector<std::vector<std::string>> table;
  std::vector<PlotPoint> plot;   // the points with a reading
  double tolerance_percent = 0;  // the plot's band
  std::string verdict;           // "结论 Verdict: passed"
  bool passed = false;
  std::vector<LabelledText> signature;  // operator, date, signature line
};

struct Certificate {
  std::string serial;
  std::vector<CertificatePage> pages;
};

// The certificate of `checks`, all of one transmitter, a page each in the order given.
Certificate MakeCertificate(const std::vector<CheckResult>& checks);

}  // namespace check
