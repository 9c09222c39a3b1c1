// The three print commands of the drawing board, page by page, each one printed document.
#include "board/print_documents.h"

#include "board/print_definition_report.h"
#include "board/print_frame.h"
#include "board/print_line_table.h"
#include "board/print_lines_views.h"
#include "board/print_page.h"
#include "develop/print_panel_sheets.h"

namespace voriel {

namespace {

bool allLines(const PrintJob& job) {
    return job.board.ChineView == 1;
}

// The profile and plan sheets, each followed by a new page.
void lineSheets(const PrintJob& job, Canvas& c) {
    PrintViewFrame(job, PrintView::Profile, c);
    PrintProfileView(job, 0, c);
    if (allLines(job)) PrintProfileView(job, 1, c);
    StartNewPage(c);
    PrintViewFrame(job, PrintView::Plan, c);
    PrintPlanView(job, 0, c);
    if (allLines(job)) PrintPlanView(job, 1, c);
    StartNewPage(c);
}

void printDrawing(PrintJob& job, Canvas& c) {
    job.transform = FitPrintViews(job.hull, c.scaleWidth(), c.scaleHeight());
    lineSheets(job, c);
    PrintViewFrame(job, PrintView::BodyPlan, c);
    PrintBodyPlan(job, job.board.ChineView, c);
}

// The development sheets' reach counts in the fit, so that every pattern lies whole on its page.
void fitWithDevelopments(PrintJob& job, const Canvas& c) {
    job.transform = FitPrintViews(job.hull, c.scaleWidth(), c.scaleHeight(),
                                  DevelopmentSheetsReach(job.hull, job.board));
}

void printDevelopment(PrintJob& job, Canvas& c) {
    fitWithDevelopments(job, c);
    PrintDevelopmentPages(job, PrintView::DevelopedPlate, false, c);
}

void printAll(PrintJob& job, Canvas& c) {
    PrintDefinitionReport(job, c);
    StartNewPage(c);
    fitWithDevelopments(job, c);
    lineSheets(job, c);
    PrintViewFrame(job, PrintView::BodyPlan, c);
    PrintBodyPlan(job, job.board.ChineView, c);
    // The point tables of every line drawn: the keel and chine 1, and at stage 1 chines 2, 3
    // and the sheer, each under its own name.
    const int lastLine = allLines(job) ? Sheer : Chine1;
    for (int line = Keel; line <= lastLine; ++line) PrintLineTable(job, line, c);
    StartNewPage(c);
    // Every panel with its table, all three planks included, as Print Development has them.
    PrintDevelopmentPages(job, PrintView::Plan, true, c);
}

}  // namespace

void PrintDocument(PrintCommand command, const Hull& hull, const BoardState& board,
                   const std::string& date, Canvas& canvas) {
    PrintJob job{hull, board, date};
    switch (command) {
        case PrintCommand::Drawing:
            printDrawing(job, canvas);
            break;
        case PrintCommand::Development:
            printDevelopment(job, canvas);
            break;
        case PrintCommand::All:
            printAll(job, canvas);
            break;
    }
    canvas.endDoc();
}

}  // namespace voriel
