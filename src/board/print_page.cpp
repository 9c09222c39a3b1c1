// What every printed page shares: the job being printed, the paper, new pages, text lines that
// overflow to the next page, the date and the sheet header.
#include "board/print_page.h"

#include "text/number_text.h"

namespace voriel {

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;

}  // namespace

PageArea PrintableArea(Paper paper) {
    // Paper sizes in mm: A4 210 x 297, US letter 8.5 x 11 inches.
    const double w = paper == Paper::A4 ? 210.0 : 215.9;
    const double h = paper == Paper::A4 ? 297.0 : 279.4;
    return {static_cast<float>((w - 2 * kPrintMarginMm) * kTwipsPerMm),
            static_cast<float>((h - 2 * kPrintMarginMm) * kTwipsPerMm)};
}

std::string PrintDateText(int year, int month, int day) {
    return Format(year, "0000") + "-" + Format(month, "00") + "-" + Format(day, "00");
}

void StartNewPage(Canvas& canvas) {
    canvas.newPage();
    canvas.moveTo(0.0f, 0.0f);
}

void PrintTextLine(Canvas& canvas, const std::string& line) {
    const float height = canvas.textHeight(line.empty() ? std::string("0") : line);
    // A line already at the top of a page is printed there even if the page is shorter than it.
    if (canvas.currentY() > 0.0f && canvas.currentY() + height > canvas.scaleHeight()) {
        // A blank line past the bottom only moves down: it starts no page of its own, so that
        // no page is left empty at the end of a document.
        if (line.find_first_not_of(' ') == std::string::npos) {
            canvas.moveTo(0.0f, canvas.currentY() + height);
            return;
        }
        const float x = canvas.currentX();
        StartNewPage(canvas);
        canvas.moveTo(x, 0.0f);
    }
    canvas.textLine(line);
}

namespace {

void headerItems(const PrintJob& job, const Canvas& canvas, PrintLine& line) {
    line.text(job.hull.HullFileName).text("  date:").text(job.date).text("   page");
    line.number(canvas.page());
}

}  // namespace

PrintLine SheetHeader(const PrintJob& job, const Canvas& canvas) {
    PrintLine line;
    headerItems(job, canvas, line);
    return line;
}

PrintLine TableHeader(const PrintJob& job, const Canvas& canvas) {
    PrintLine line;
    line.text("Voriel 2000").zone();
    headerItems(job, canvas, line);
    return line;
}

}  // namespace voriel
