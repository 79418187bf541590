#include "ui/pdf_document.h"

#include <QDateTime>
#include <QFontInfo>
#include <QStringList>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace calvexa {
namespace {

// Families drawn to Helvetica's widths, so that text measured in them lines
// up when it is set in the standard Helvetica faces.
const QStringList kHelveticaMetric = {QStringLiteral("Arial"),       QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Arimo"),       QStringLiteral("Helvetica"),
                                      QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L")};

// Page contents are compressed at zlib's fastest level: most of a chart's
// page is figures, which pack well even so.
constexpr int kCompression = 1;

bool printableAscii(QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; }

// A PDF text string: literal for printable ASCII, else UTF-16 with its mark.
QByteArray pdfString(const QString& text) {
  if (std::all_of(text.begin(), text.end(), printableAscii)) {
    QByteArray literal = "(";
    for (QChar c : text) {
      if (c == u'(' || c == u')' || c == u'\\') literal += '\\';
      literal += static_cast<char>(c.unicode());
    }
    return literal + ')';
  }
  QByteArray hex = "<FEFF";
  for (QChar c : text) hex += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
  return hex + '>';
}

}  // namespace

PdfDocument::PdfDocument(const QPageLayout& page, int resolution)
    : scale_(72.0 / resolution),
      origin_(page.paintRectPixels(resolution).topLeft()),
      paperWidth_(page.fullRectPoints().width()),
      paperHeight_(page.fullRectPoints().height()) {
  content_.reserve(1 << 16);
}

bool PdfDocument::writes(const QFont& font) {
  const QFontInfo used(font);
  return !used.italic() && kHelveticaMetric.contains(used.family(), Qt::CaseInsensitive);
}

// Numbers to the hundredth of a point, without trailing zeros.
void PdfDocument::number(double value) {
  char buffer[32];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::round(value * 100) / 100, std::chars_format::fixed, 2).ptr;
  const char* last = end;
  while (last[-1] == '0') --last;
  if (last[-1] == '.') --last;
  if (last - buffer == 2 && buffer[0] == '-' && buffer[1] == '0') {
    content_ += '0';
  } else {
    content_.append(buffer, static_cast<std::size_t>(last - buffer));
  }
  content_ += ' ';
}

void PdfDocument::point(const QPointF& at) {
  number((origin_.x() + at.x()) * scale_);
  number(paperHeight_ - (origin_.y() + at.y()) * scale_);
}

void PdfDocument::newPage() {
  endPage();
  open_ = true;
  pageFace_ = -1;
  pageSize_ = 0;
  pageColour_ = Qt::black;
  pageWidth_ = -1;
  content_ = "2 J 2 j\n";  // lines end and join as a painter's pen does: square ends, bevelled corners
}

void PdfDocument::endPage() {
  if (!open_) return;
  endText();
  pages_.push_back(
      qCompress(QByteArray::fromRawData(content_.data(), static_cast<qsizetype>(content_.size())), kCompression)
          .sliced(4));  // less the length qCompress puts first: a plain zlib stream
  content_.clear();
  open_ = false;
}

void PdfDocument::setFont(const QFont& font) {
  face_ = font.bold() ? 2 : 1;
  // A painter's text is set at a whole number of device pixels (10 points at
  // 300 dpi are 42 pixels, not 41.67), and the layout was measured so.
  const double pixels = font.pointSizeF() > 0 ? font.pointSizeF() / scale_ : font.pixelSize();
  size_ = std::round(pixels) * scale_;
}

void PdfDocument::setPen(const QColor& colour, double width) {
  colour_ = colour;
  width_ = width * scale_;
}

void PdfDocument::usePen() {
  if (colour_ == pageColour_) return;
  const double rgb[] = {colour_.redF(), colour_.greenF(), colour_.blueF()};
  for (const char* op : {"RG\n", "rg\n"}) {
    for (double part : rgb) number(part);
    content_ += op;
  }
  pageColour_ = colour_;
}

void PdfDocument::useFont() {
  if (face_ == pageFace_ && size_ == pageSize_) return;
  content_ += face_ == 2 ? "/F2 " : "/F1 ";
  number(size_);
  content_ += "Tf\n";
  pageFace_ = face_;
  pageSize_ = size_;
}

void PdfDocument::beginText() {
  if (inText_) return;
  content_ += "BT\n";
  inText_ = true;
  lineKnown_ = false;
}

void PdfDocument::endText() {
  if (!inText_) return;
  content_ += "ET\n";
  inText_ = false;
}

// Upright text moves on from the last text's start; the first, and any
// turned text, are placed outright.
void PdfDocument::placeText(const QPointF& baseline, bool upwards) {
  beginText();
  useFont();
  usePen();
  const QPointF at((origin_.x() + baseline.x()) * scale_, paperHeight_ - (origin_.y() + baseline.y()) * scale_);
  if (lineKnown_ && !upwards) {
    number(at.x() - line_.x());
    number(at.y() - line_.y());
    content_ += "Td ";
  } else {
    content_ += upwards ? "0 1 -1 0 " : "1 0 0 1 ";
    number(at.x());
    number(at.y());
    content_ += "Tm ";
  }
  line_ = at;
  lineKnown_ = !upwards;
}

void PdfDocument::showText(const QString& text) {
  content_ += '(';
  for (QChar c : text) {
    if (!printableAscii(c)) {
      plain_ = false;
      continue;
    }
    if (c == u'(' || c == u')' || c == u'\\') content_ += '\\';
    content_ += static_cast<char>(c.unicode());
  }
  content_ += ") Tj\n";
}

void PdfDocument::drawText(const QPointF& baseline, const QString& text) {
  placeText(baseline, false);
  showText(text);
}

void PdfDocument::drawTextUpwards(const QPointF& baseline, const QString& text) {
  placeText(baseline, true);
  showText(text);
}

void PdfDocument::drawLine(const QPointF& from, const QPointF& to) { drawPolyline(QPolygonF({from, to})); }

// Lines are drawn outside text, in the pen's colour and width.
void PdfDocument::beginLines() {
  endText();
  usePen();
  if (width_ == pageWidth_) return;
  number(width_);
  content_ += "w\n";
  pageWidth_ = width_;
}

void PdfDocument::drawRect(const QRectF& rect) {
  beginLines();
  point(rect.bottomLeft());
  number(rect.width() * scale_);
  number(rect.height() * scale_);
  content_ += "re S\n";
}

void PdfDocument::drawPolyline(const QPolygonF& points) {
  if (points.size() < 2) return;
  beginLines();
  point(points.front());
  content_ += "m\n";
  for (qsizetype i = 1; i < points.size(); ++i) {
    point(points[i]);
    content_ += "l\n";
  }
  content_ += "S\n";
}

// The catalogue, the page tree, the two faces, the shared resources and the
// document's information, then each page and its content, and the table of
// where each object starts.
QByteArray PdfDocument::finish(const QString& title, const QString& creator) {
  endPage();
  QByteArray out;
  qsizetype total = 4096;
  for (const QByteArray& page : pages_) total += page.size() + 200;
  out.reserve(total);
  std::vector<qsizetype> offsets;
  auto object = [&](const QByteArray& body) {
    offsets.push_back(out.size());
    out += QByteArray::number(static_cast<qsizetype>(offsets.size())) + " 0 obj\n" + body + "\nendobj\n";
  };
  out += "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
  constexpr int kFirstPage = 7;  // objects 1-6 come first; then each page and its content
  object("<< /Type /Catalog /Pages 2 0 R >>");
  QByteArray kids;
  for (std::size_t i = 0; i < pages_.size(); ++i)
    kids += QByteArray::number(kFirstPage + 2 * static_cast<qsizetype>(i)) + " 0 R ";
  object("<< /Type /Pages /Count " + QByteArray::number(static_cast<qsizetype>(pages_.size())) + " /Kids [" + kids +
         "] >>");
  object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
  object("<< /Font << /F1 3 0 R /F2 4 0 R >> /ProcSet [/PDF /Text] >>");
  object("<< /Title " + pdfString(title) + " /Creator " + pdfString(creator) + " /CreationDate " +
         pdfString(QDateTime::currentDateTimeUtc().toString(QStringLiteral("'D:'yyyyMMddHHmmss'Z'"))) + " >>");
  const QByteArray mediaBox =
      "[0 0 " + QByteArray::number(paperWidth_, 'f', 2) + ' ' + QByteArray::number(paperHeight_, 'f', 2) + ']';
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const QByteArray contents = QByteArray::number(kFirstPage + 2 * static_cast<qsizetype>(i) + 1);
    object("<< /Type /Page /Parent 2 0 R /MediaBox " + mediaBox + " /Resources 5 0 R /Contents " + contents +
           " 0 R >>");
    offsets.push_back(out.size());
    out +=
        contents + " 0 obj\n<< /Length " + QByteArray::number(pages_[i].size()) + " /Filter /FlateDecode >>\nstream\n";
    out += pages_[i];
    out += "\nendstream\nendobj\n";
  }
  const qsizetype table = out.size();
  out += "xref\n0 " + QByteArray::number(static_cast<qsizetype>(offsets.size() + 1)) + "\n0000000000 65535 f \n";
  for (qsizetype offset : offsets) out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  out += "trailer\n<< /Size " + QByteArray::number(static_cast<qsizetype>(offsets.size() + 1)) +
         " /Root 1 0 R /Info 6 0 R >>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
  pages_.clear();
  return out;
}

}  // namespace calvexa
