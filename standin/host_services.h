#ifndef OSTREL_STANDIN_HOST_SERVICES_H_
#define OSTREL_STANDIN_HOST_SERVICES_H_

// What the browser host does beyond the page (host_services.cpp): the navigation history walk,
// PDF output, image download, find and printing.

#include <memory>
#include <string>

#include "standin/browser.h"

namespace standin {

// Each takes over the callback's reference and calls it on the UI thread.
void VisitNavigationEntries(std::shared_ptr<Browser> browser,
                            cef_navigation_entry_visitor_t* visitor, bool current_only);
void PrintToPdf(std::shared_ptr<Browser> browser, const std::wstring& path,
                cef_pdf_print_callback_t* callback);
void DownloadImage(std::shared_ptr<Browser> browser, const std::wstring& url,
                   cef_download_image_callback_t* callback);
// The find handler hears of the matches in the page's text.
void Find(std::shared_ptr<Browser> browser, int identifier, const std::wstring& text,
          bool match_case);
// The current history entry; null before the first load.
cef_navigation_entry_t* NewVisibleEntry(std::shared_ptr<Browser> browser);
// An image holding one PNG representation; null when `png` is not a PNG.
cef_image_t* NewPngImage(const std::string& png);

}  // namespace standin

#endif  // OSTREL_STANDIN_HOST_SERVICES_H_
