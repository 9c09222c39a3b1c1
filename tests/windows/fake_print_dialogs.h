// The printer dialogs answered by a test: a cancel, or OK after pointing the printer at a PDF.
#pragma once

#include <QPrinter>
#include <optional>
#include <string>
#include <vector>

#include "windows/print_commands.h"
#include "windows/printed_document.h"
#include "windows/template_commands.h"

namespace voriel::test {

class FakePrintDialogs : public PrintDialogs {
public:
    bool accept = true;
    std::optional<std::string> pdf;
    std::vector<std::string> titles;
    int setups = 0;

    bool print(QPrinter& printer, const std::string& title) override {
        titles.push_back(title);
        if (accept && pdf) SetPdfPrinter(printer, Paper::A4, *pdf);
        return accept;
    }
    bool setup(QPrinter&) override {
        ++setups;
        return accept;
    }
};

class FakeTemplateDialogs : public TemplatePrintDialogs {
public:
    bool accept = true;
    std::optional<std::string> pdf;
    std::optional<std::string> sx, sy, overlap;  // typed over what the dialog showed
    std::vector<std::string> shown;              // SX, SY, overlap as the dialog showed them
    std::vector<std::string> titles;

    bool printTemplates(QPrinter& printer, const std::string& title, int16_t, std::string& sxText,
                        std::string& syText, std::string& overlapText) override {
        titles.push_back(title);
        shown = {sxText, syText, overlapText};
        if (!accept) return false;
        if (pdf) SetPdfPrinter(printer, Paper::A4, *pdf);
        if (sx) sxText = *sx;
        if (sy) syText = *sy;
        if (overlap) overlapText = *overlap;
        return true;
    }
};

}  // namespace voriel::test
