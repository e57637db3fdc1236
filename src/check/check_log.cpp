#include "check/check_log.h"

#include "check/point_arithmetic.h"
#include "platform/text/csv_field.h"
#include "platform/text/decimal_text.h"

namespace check {

namespace {

std::string Number(const std::optional<double>& x, int decimals) {
  return x ? platform::DecimalText(*x, decimals) : "";
}

}  // namespace

std::string CheckLogHeader() {
  return "time,serial,address,stage,point_percent,nominal,reference,reading,unit,error_percent_span,"
         "tolerance_percent,verdict\n";
}

std::string CheckLogRows(const CheckResult& r) {
  std::string rows;
  for (const PointResult& p : r.points) {
    const std::string fields[] = {p.time,
                                  r.identity.serial,
                                  r.identity.address,
                                  std::string(StageName(r.plan.stage)),
                                  platform::ShortestDecimalText(p.percent),
                                  platform::DecimalText(p.nominal, r.decimals),
                                  Number(p.reference, r.decimals),
                                  Number(p.reading, r.decimals),
                                  r.identity.unit,
                                  Number(p.error_percent, kErrorDecimals),
                                  platform::ShortestDecimalText(r.plan.tolerance_percent),
                                  std::string(VerdictName(p.passed))};
    for (const std::string& field : fields) rows += platform::CsvField(field) + ",";
    rows.back() = '\n';
  }
  return rows;
}

}  // namespace check
