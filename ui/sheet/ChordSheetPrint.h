#pragma once
// The chord sheet on paper: pages of A4 or Letter with the title, key and tempo at the top of
// the first page and the page number at the foot of each; a row never leaves its chords, and
// the rows of one line stay on one page when the line fits on a page.

#include <QPageSize>

#include <string>

#include "export/ChordSheet.h"

class QPagedPaintDevice;

// A4, or Letter where the locale's country uses it (the United States, Canada, Mexico and a
// few more).
QPageSize::PageSizeId LocalePageSize();

// Paints the sheet on the device's pages (a printer or a PDF writer already set up). The
// number of pages painted.
int PaintChordSheetPages(const TChordSheet& sheet, QPagedPaintDevice& device);

// Qt paints with fonts only under a GUI application: the command line makes one on the
// offscreen platform (on its main thread, before any song is painted). Nothing when an
// application exists.
void EnsureGuiApplication();

// The sheet as a PDF document.
std::string ChordSheetPdf(const TChordSheet& sheet, QPageSize::PageSizeId pageSize = LocalePageSize());

// The PDF writer of the output formats (SetSheetPdfWriter): paper "a4", "letter" or empty for
// the locale's; one painting at a time, on any thread, under a GUI application.
std::string ChordSheetPdfOnPaper(const TChordSheet& sheet, const std::string& paper);
void UseQtSheetPdfWriter();
