#pragma once
// The printed side of the printing tests: the PDF files that the test script's CUPS queue
// writes, read with the host's poppler tools.

#include <string>
#include <vector>

namespace pdf {

// Why printing can't be tested on this host, or "" when the queue is there.
std::string SkipReason();
// The queue's name as Wine lists it.
std::string Printer();

// Names of the PDF files in the queue's output folder.
std::vector<std::string> Files();
// Waits for a PDF that is not in `before` and that pdftotext reads whole; returns its text
// ("" when none came in time). Each page ends with a form feed.
std::string WaitForNewPdfText(const std::vector<std::string>& before, std::string* name,
                              unsigned timeoutMs = 60000);
// The first page of that PDF as a PNG in the screenshot folder; false when it failed.
bool FirstPageAsPng(const std::string& name, const std::string& pngName);

} // namespace pdf
