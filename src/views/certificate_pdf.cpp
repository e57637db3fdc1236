#include "views/certificate_pdf.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

namespace views {

namespace {

constexpr int kDpi = 300;
constexpr double kMarginMm = 18;
constexpr double kPageWidthMm = 210;
constexpr double kLineMm = 5.2;

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Lengths in millimetres, drawn in the writer's dots.
double Dots(double mm) { return mm * kDpi / 25.4; }

QFont FontOf(double points, bool bold = false) {
  QFont font;
  // Latin first, Chinese from the face that has it.
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

class PageDrawer {
 public:
  PageDrawer(QPainter& painter, const check::CertificatePage& page) : p_(painter), page_(page) {}

  void Draw() {
    const double width = kPageWidthMm - 2 * kMarginMm;
    p_.setFont(FontOf(16, true));
    Line(Text(page_.title), 9);
    p_.setFont(FontOf(12, true));
    Line(Text(page_.stage), 8);
    Pairs(page_.identity, width);
    y_ += 2;
    Pairs(page_.plan, width);
    y_ += 3;
    Table(width);
    y_ += 10;
    Plot(width, 62);
    y_ += 6;
    p_.setFont(FontOf(13, true));
    p_.setPen(page_.passed ? QColor(0, 110, 0) : QColor(170, 0, 0));
    Line(Text(page_.verdict), 10);
    p_.setPen(Qt::black);
    Signature(width);
  }

 private:
  void Line(const QString& text, double advance_mm) {
    p_.drawText(QPointF(Dots(kMarginMm), Dots(y_ + advance_mm * 0.7)), text);
    y_ += advance_mm;
  }

  void Pairs(const std::vector<check::LabelledText>& pairs, double width) {
    p_.setFont(FontOf(9));
    const double column = width / 2;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
      const double x = kMarginMm + (k % 2) * column;
      const double y = y_ + (k / 2) * kLineMm;
      p_.drawText(QRectF(Dots(x), Dots(y), Dots(column), Dots(kLineMm)), Qt::AlignLeft | Qt::AlignVCenter,
                  Text(pairs[k].label) + QStringLiteral(": ") + Text(pairs[k].text));
    }
    y_ += static_cast<double>((pairs.size() + 1) / 2) * kLineMm;
  }

  void Table(double width) {
    const std::size_t columns = page_.table_head.size();
    if (columns == 0) return;
    // The result column takes the reason of a point without a reading: twice as wide.
    const double cell = width / static_cast<double>(columns + 1);
    // The head's labels of two languages take two lines.
    const auto row = [&](const std::vector<std::string>& cells, bool head) {
      p_.setFont(FontOf(head ? 7.5 : 8.5, head));
      const double height = head ? 2 * kLineMm : kLineMm;
      double x = kMarginMm;
      for (std::size_t c = 0; c < columns; ++c) {
        const double w = c + 1 == columns ? 2 * cell : cell;
        const QRectF box(Dots(x), Dots(y_), Dots(w), Dots(height));
        p_.drawRect(box);
        const QString text = c < cells.size() ? Text(cells[c]) : QString();
        const int align = Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight);
        const QRectF inside = box.adjusted(Dots(1), 0, -Dots(1), 0);
        if (head) {
          p_.drawText(inside, align | Qt::TextWordWrap, text);
        } else {
          p_.drawText(inside, align,
                      p_.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(inside.width())));
        }
        x += w;
      }
      y_ += height;
    };
    row(page_.table_head, true);
    for (const auto& cells : page_.table) row(cells, false);
  }

  // Error across the range: the tolerance band shaded, the points joined, failures red.
  void Plot(double width, double height) {
    const double left = kMarginMm + 12, right = kMarginMm + width, top = y_, bottom = y_ + height;
    double limit = page_.tolerance_percent * 2;
    for (const check::PlotPoint& point : page_.plot)
      limit = std::max(limit, std::abs(point.error_percent) * 1.2);
    if (limit <= 0) limit = 1;
    const auto x_at = [&](double percent) { return Dots(left + (right - left) * percent / 100.0); };
    const auto y_at = [&](double error) { return Dots(top + height / 2 - (height / 2) * error / limit); };

    p_.fillRect(QRectF(QPointF(x_at(0), y_at(page_.tolerance_percent)),
                       QPointF(x_at(100), y_at(-page_.tolerance_percent))),
                QColor(200, 230, 200));
    p_.setPen(QPen(Qt::black, Dots(0.2)));
    p_.drawRect(QRectF(QPointF(x_at(0), Dots(top)), QPointF(x_at(100), Dots(bottom))));
    p_.drawLine(QPointF(x_at(0), y_at(0)), QPointF(x_at(100), y_at(0)));
    p_.setFont(FontOf(7));
    for (int percent = 0; percent <= 100; percent += 25)
      p_.drawText(QRectF(x_at(percent) - Dots(8), Dots(bottom + 0.5), Dots(16), Dots(4)), Qt::AlignCenter,
                  QString::number(percent) + QStringLiteral(" %"));
    for (double error : {limit, page_.tolerance_percent, 0.0, -page_.tolerance_percent, -limit})
      p_.drawText(QRectF(Dots(kMarginMm - 2), y_at(error) - Dots(2), Dots(13), Dots(4)),
                  Qt::AlignRight | Qt::AlignVCenter, QString::number(error, 'g', 3));
    p_.drawText(QRectF(x_at(0), Dots(top - 4.5), Dots(width), Dots(4)), Qt::AlignLeft,
                QStringLiteral("误差 Error (% span)  —  允许误差带 tolerance band"));

    QPainterPath path;
    for (std::size_t k = 0; k < page_.plot.size(); ++k) {
      const QPointF at(x_at(page_.plot[k].percent), y_at(page_.plot[k].error_percent));
      if (k == 0) {
        path.moveTo(at);
      } else {
        path.lineTo(at);
      }
    }
    p_.setPen(QPen(QColor(40, 40, 160), Dots(0.35)));
    p_.drawPath(path);
    for (const check::PlotPoint& point : page_.plot) {
      p_.setBrush(point.passed ? QColor(40, 40, 160) : QColor(200, 0, 0));
      p_.drawEllipse(QPointF(x_at(point.percent), y_at(point.error_percent)), Dots(1.1), Dots(1.1));
    }
    p_.setBrush(Qt::NoBrush);
    p_.setPen(Qt::black);
    y_ = bottom + 5;
  }

  void Signature(double width) {
    p_.setFont(FontOf(9));
    const double column = width / static_cast<double>(std::max<std::size_t>(page_.signature.size(), 1));
    for (std::size_t k = 0; k < page_.signature.size(); ++k) {
      const double x = kMarginMm + static_cast<double>(k) * column;
      p_.drawText(QRectF(Dots(x), Dots(y_), Dots(column - 4), Dots(kLineMm)), Qt::AlignLeft | Qt::AlignBottom,
                  Text(page_.signature[k].label) + QStringLiteral(": ") + Text(page_.signature[k].text));
      p_.drawLine(QPointF(Dots(x), Dots(y_ + kLineMm + 6)),
                  QPointF(Dots(x + column - 6), Dots(y_ + kLineMm + 6)));
    }
  }

  QPainter& p_;
  const check::CertificatePage& page_;
  double y_ = kMarginMm;
};

}  // namespace

bool WriteCertificatePdf(const check::Certificate& certificate, const std::string& path, std::string& error) {
  const QString file = QString::fromStdString(path);
  {
    // QPdfWriter says nothing of a file it cannot open: try it first.
    QFile probe(file);
    if (!probe.open(QIODevice::WriteOnly)) {
      error = path + ": " + probe.errorString().toStdString();
      return false;
    }
  }
  QPdfWriter writer(file);
  writer.setResolution(kDpi);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  writer.setTitle(QStringLiteral("Calibration check certificate ") + Text(certificate.serial));
  writer.setCreator(QStringLiteral("Dravon"));
  QPainter painter;
  if (!painter.begin(&writer)) {
    error = path + ": the PDF could not be started";
    return false;
  }
  for (std::size_t k = 0; k < certificate.pages.size(); ++k) {
    if (k > 0) writer.newPage();
    PageDrawer(painter, certificate.pages[k]).Draw();
  }
  if (!painter.end()) {
    error = path + ": the PDF could not be finished";
    return false;
  }
  return true;
}

}  // namespace views
