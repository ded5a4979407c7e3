#include "ui/sheet/ChordSheetPrint.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <mutex>

#include "base/untMesConst.h"
#include "export/ChordSheetOfSession.h"
#include "ui/sheet/ChordSheetPainter.h"

QPageSize::PageSizeId LocalePageSize() {
  switch (QLocale().territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
      return QPageSize::Letter;
    default:
      return QPageSize::A4;
  }
}

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "cantaro";
  static char* argv[] = {name, nullptr};
  // Lives until the program ends, like the application of the window.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

int PaintChordSheetPages(const TChordSheet& sheet, QPagedPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return 0;
  // In the device's own pixels: fonts in points are measured and painted on it alike.
  const double width = device.width();
  const double height = device.height();

  TSheetLook look = PaperLook();
  TChordSheetPainter layout;
  layout.Lay(sheet, look, width, &device);
  const QFontMetricsF footer(look.text, &device);
  const double body = height - footer.lineSpacing() * 2;

  // Page breaks before rows: a row that does not fit goes to the next page, and so does the
  // whole line it belongs to when the line fits on a page.
  const auto& boxes = layout.Boxes();
  std::vector<size_t> pageStarts{0};
  std::vector<double> pageOffsets{0};
  for (size_t i = 0; i < boxes.size(); ++i) {
    const double offset = pageOffsets.back();
    if (i == pageStarts.back() || boxes[i].y + boxes[i].height - offset <= body) continue;
    size_t start = i;
    if (layout.LineRect(boxes[i].line).height() <= body)
      while (start > pageStarts.back() && boxes[start - 1].line == boxes[i].line) --start;
    // A line taller than a page, or one that began the page, breaks at this row.
    if (start == pageStarts.back()) start = i;
    pageStarts.push_back(start);
    pageOffsets.push_back(boxes[start].y);
  }
  const int pages = static_cast<int>(pageStarts.size());

  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    if (page == 0) layout.PaintHeader(painter, 0);
    const size_t end = page + 1 < pages ? pageStarts[static_cast<size_t>(page) + 1] : boxes.size();
    // Later pages start at their top, not below a header.
    const double shift = page == 0 ? 0 : pageOffsets[static_cast<size_t>(page)];
    for (size_t i = pageStarts[static_cast<size_t>(page)]; i < end; ++i)
      layout.PaintRow(painter, boxes[i], shift, -1, std::nullopt, -1);
    painter.setFont(look.text);
    painter.setPen(look.dim);
    const QString number = QString::fromStdString(MesFormat(MesId::SSheetPage, page + 1, pages));
    painter.drawText(QRectF(0, height - footer.lineSpacing(), width, footer.lineSpacing()), Qt::AlignHCenter,
                     number);
  }
  return pages;
}

std::string ChordSheetPdfOnPaper(const TChordSheet& sheet, const std::string& paper) {
  static std::mutex painting;
  std::lock_guard<std::mutex> lock(painting);
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::string();
  const QString name = QString::fromStdString(paper).toLower();
  const QPageSize::PageSizeId size = name == QStringLiteral("letter") ? QPageSize::Letter
                                     : name == QStringLiteral("a4")   ? QPageSize::A4
                                                                      : LocalePageSize();
  return ChordSheetPdf(sheet, size);
}

void UseQtSheetPdfWriter() { SetSheetPdfWriter(&ChordSheetPdfOnPaper); }

std::string ChordSheetPdf(const TChordSheet& sheet, QPageSize::PageSizeId pageSize) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(pageSize), QPageLayout::Portrait, QMarginsF(18, 15, 15, 15),
                                     QPageLayout::Millimeter));
    writer.setResolution(300);
    writer.setCreator(QStringLiteral("Cantaro"));
    writer.setTitle(QString::fromStdString(sheet.title));
    PaintChordSheetPages(sheet, writer);
  }
  return buffer.data().toStdString();
}
