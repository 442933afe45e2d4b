// The browser host's services beyond the page. Every callback runs on the UI thread and is
// released there, as the engine does:
// - navigation entries: one entry per history address (the current one with the page's title
//   and status), in order, until the visitor answers 0;
// - PDF output: a one-page PDF file holding the page's title, written at the path (ok=0 when it
//   cannot be written);
// - image download: the address fetched on the IO thread (loopback hosts only); a PNG becomes an
//   image with that PNG as its one representation, anything else no image;
// - find: the matches of the search text in the page's text, one final result;
// - print: only traced.

#include "standin/host_services.h"

#include <algorithm>
#include <cwctype>
#include <filesystem>
#include <fstream>

#include "standin/navigation.h"
#include "standin/text.h"
#include "standin/threads.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"
#include "standin/values.h"

namespace standin {
namespace {

struct Entry {
  std::wstring url;
  std::wstring title;
  int status = 0;
};

class NavigationEntry : public EngineObject<NavigationEntry, cef_navigation_entry_t> {
 public:
  explicit NavigationEntry(Entry entry) : EngineObject("navigation_entry"), entry_(entry) {
    cef_navigation_entry_t* s = data();
    s->is_valid = [](cef_navigation_entry_t* self) { return From(self) ? 1 : 0; };
    s->get_url = [](cef_navigation_entry_t* self) { return Text(self, &Entry::url); };
    s->get_display_url = s->get_url;
    s->get_original_url = s->get_url;
    s->get_title = [](cef_navigation_entry_t* self) { return Text(self, &Entry::title); };
    s->get_transition_type = [](cef_navigation_entry_t*) { return TT_EXPLICIT; };
    s->has_post_data = [](cef_navigation_entry_t*) { return 0; };
    s->get_http_status_code = [](cef_navigation_entry_t* self) {
      return From(self) ? From(self)->entry_.status : 0;
    };
    FillUnsimulated(s, "navigation_entry");
  }

 private:
  static cef_string_userfree_t Text(cef_navigation_entry_t* self, std::wstring Entry::*field) {
    NavigationEntry* entry = From(self);
    return entry ? NewUserFree(entry->entry_.*field) : nullptr;
  }

  const Entry entry_;
};

class PngImage : public EngineObject<PngImage, cef_image_t> {
 public:
  PngImage(std::string png, int pixel_width, int pixel_height)
      : EngineObject("image"), png_(std::move(png)), width_(pixel_width), height_(pixel_height) {
    cef_image_t* s = data();
    s->is_empty = [](cef_image_t* self) { return From(self) ? 0 : 1; };
    s->get_width = [](cef_image_t* self) -> size_t { return From(self) ? From(self)->width_ : 0; };
    s->get_height = [](cef_image_t* self) -> size_t {
      return From(self) ? From(self)->height_ : 0;
    };
    s->has_representation = [](cef_image_t* self, float scale) {
      return From(self) && scale == 1.0f ? 1 : 0;
    };
    s->get_representation_info = [](cef_image_t* self, float, float* actual, int* width,
                                    int* height) {
      PngImage* image = From(self);
      if (!image) return 0;
      if (actual) *actual = 1.0f;
      if (width) *width = image->width_;
      if (height) *height = image->height_;
      return 1;
    };
    s->get_as_png = [](cef_image_t* self, float, int, int* width,
                       int* height) -> cef_binary_value_t* {
      PngImage* image = From(self);
      if (!image) return nullptr;
      if (width) *width = image->width_;
      if (height) *height = image->height_;
      return NewBinaryValue(image->png_.data(), image->png_.size());
    };
    FillUnsimulated(s, "image");
  }

 private:
  const std::string png_;
  const int width_;
  const int height_;
};

cef_string_t Record(const std::wstring& text) {
  return cef_string_t{const_cast<wchar_t*>(text.c_str()), text.size(), nullptr};
}

// A minimal valid PDF: catalog, page tree, one empty page, the title in the information record.
std::string PdfDocument(const std::string& title) {
  std::string escaped;
  for (char c : title) {
    if (c == '(' || c == ')' || c == '\\') escaped += '\\';
    escaped += c;
  }
  const std::string objects[] = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>",
      "<< /Title (" + escaped + ") >>",
  };
  std::string pdf = "%PDF-1.4\n";
  std::vector<size_t> offsets;
  for (size_t i = 0; i < std::size(objects); ++i) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
  for (size_t offset : offsets) {
    const std::string number = std::to_string(offset);
    pdf += std::string(10 - number.size(), '0') + number + " 00000 n \n";
  }
  pdf += "trailer\n<< /Size " + std::to_string(offsets.size() + 1) +
         " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

std::wstring Folded(std::wstring text, bool match_case) {
  if (!match_case) std::transform(text.begin(), text.end(), text.begin(), ::towlower);
  return text;
}

}  // namespace

void VisitNavigationEntries(std::shared_ptr<Browser> browser,
                            cef_navigation_entry_visitor_t* visitor, bool current_only) {
  if (!browser) {
    ReleaseProgramObject(visitor);
    return;
  }
  CallBackLater(visitor, [browser, current_only](cef_navigation_entry_visitor_t* v) {
    int current = -1;
    const std::vector<std::wstring> history = browser->History(&current);
    const Page page = browser->CurrentPage();
    const int total = current_only ? (current >= 0 ? 1 : 0) : static_cast<int>(history.size());
    for (int i = 0; i < total && v->visit; ++i) {
      const int index = current_only ? current : i;
      Entry entry{history[static_cast<size_t>(index)]};
      if (index == current) entry = Entry{page.url, page.title, page.status};
      cef_navigation_entry_t* object = (new NavigationEntry(entry))->data();
      if (!v->visit(v, object, index == current ? 1 : 0, current_only ? 0 : i, total)) break;
    }
  });
}

void PrintToPdf(std::shared_ptr<Browser> browser, const std::wstring& path,
                cef_pdf_print_callback_t* callback) {
  if (!browser) {
    ReleaseProgramObject(callback);
    return;
  }
  CallBackLater(callback, [browser, path](cef_pdf_print_callback_t* c) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    file << PdfDocument(Utf16ToUtf8(browser->CurrentPage().title));
    file.close();
    const bool ok = !path.empty() && !file.fail();
    Trace("print-to-pdf path=" + TraceValue(path) + " ok=" + (ok ? "1" : "0"));
    cef_string_t record = Record(path);
    if (c->on_pdf_print_finished) c->on_pdf_print_finished(c, &record, ok ? 1 : 0);
  });
}

void DownloadImage(std::shared_ptr<Browser> browser, const std::wstring& url,
                   cef_download_image_callback_t* callback) {
  auto held = std::make_shared<ProgramRef<cef_download_image_callback_t>>(callback);
  if (!browser || !callback) return;
  PostClosure(TID_IO, [held, url] {
    const Fetched fetched = FetchUrl(url);
    PostClosure(TID_UI, [held, url, fetched] {
      cef_download_image_callback_t* c = held->get();
      if (!c || !c->on_download_image_finished) return;
      cef_image_t* image = fetched.error == 0 ? NewPngImage(fetched.body) : nullptr;
      Trace("download-image url=" + TraceValue(url) + " status=" + std::to_string(fetched.status) +
            " image=" + (image ? "1" : "0"));
      cef_string_t record = Record(url);
      c->on_download_image_finished(c, &record, fetched.status, image);
    });
  });
}

void Find(std::shared_ptr<Browser> browser, int identifier, const std::wstring& text,
          bool match_case) {
  if (!browser) return;
  PostClosure(TID_UI, [browser, identifier, text, match_case] {
    const std::wstring page = Folded(browser->CurrentPage().text, match_case);
    const std::wstring wanted = Folded(text, match_case);
    int count = 0;
    for (size_t at = wanted.empty() ? std::wstring::npos : page.find(wanted);
         at != std::wstring::npos; at = page.find(wanted, at + wanted.size())) {
      ++count;
    }
    Trace("find id=" + std::to_string(browser->id) + " text=" + TraceValue(text) +
          " count=" + std::to_string(count));
    auto handler = browser->Get(&cef_client_t::get_find_handler);
    if (!handler || !handler->on_find_result) return;
    const cef_rect_t selection{0, 0, 0, 0};
    handler->on_find_result(handler.get(), browser->NewBrowserRef(), identifier, count, &selection,
                            count > 0 ? 1 : 0, 1);
  });
}

cef_navigation_entry_t* NewVisibleEntry(std::shared_ptr<Browser> browser) {
  int current = -1;
  if (!browser) return nullptr;
  browser->History(&current);
  if (current < 0) return nullptr;
  const Page page = browser->CurrentPage();
  return (new NavigationEntry(Entry{page.url, page.title, page.status}))->data();
}

cef_image_t* NewPngImage(const std::string& png) {
  static const char kSignature[] = "\x89PNG\r\n\x1a\n";
  if (png.size() < 24 || png.compare(0, 8, kSignature, 8) != 0 || png.compare(12, 4, "IHDR") != 0) {
    return nullptr;
  }
  auto number = [&](size_t at) {
    int value = 0;
    for (size_t i = at; i < at + 4; ++i) value = (value << 8) | static_cast<unsigned char>(png[i]);
    return value;
  };
  return (new PngImage(png, number(16), number(20)))->data();
}

}  // namespace standin
