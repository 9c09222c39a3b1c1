// The recording canvas as a printer: it counts its pages and the documents it ends.
#pragma once

#include "canvas/recording_canvas.h"

namespace voriel {

// A RecordingCanvas whose size is the printer's page: page() is the running page number within
// the document (1 on the first page, one more at each "page" recorded) and endDoc() starts the
// count again for the next document. The end of a document records nothing.
class PageRecordingCanvas : public RecordingCanvas {
public:
    PageRecordingCanvas(float pageWidth, float pageHeight)
        : RecordingCanvas(pageWidth, pageHeight) {}

    void newPage() override {
        RecordingCanvas::newPage();
        ++page_;
    }
    void endDoc() override {
        ++documents_;
        page_ = 1;
    }
    int page() const override { return page_; }
    // How many documents were ended.
    int documentsEnded() const { return documents_; }

private:
    int page_ = 1;
    int documents_ = 0;
};

}  // namespace voriel
