#pragma once
// The certificate drawn as a PDF with Qt's own PDF writer: one A4 page per check with the
// identity, the plan, the point table, the error plot across the range with the
// tolerance band, the verdict and the lines for a signature.

#include <string>

#include "check/certificate.h"

namespace views {

// Writes `certificate` to `path`; false, with `error` saying why, when the file could not
// be written. Needs a QGuiApplication (fonts).
bool WriteCertificatePdf(const check::Certificate& certificate, const std::string& path, std::string& error);

}  // namespace views
