#ifndef OSTREL_STANDIN_PAGE_CONTENT_H_
#define OSTREL_STANDIN_PAGE_CONTENT_H_

// What the stand-in makes of a document: its title, text and links (no script, no styles), and
// the addresses it reads without a network: data:, file:, about:blank and the developer tools.

#include <memory>
#include <string>

#include "standin/browser.h"
#include "standin/net_objects.h"

namespace standin {

class ResponseBody;

struct Fetched {
  int error = 0;  // a cef_errorcode_t; 0 when the document arrived
  int status = 0;
  std::wstring status_text;
  std::wstring mime_type;
  Headers headers;
  std::string body;
  std::wstring final_url;  // after redirects
  // A download's body is left in the transfer, to be read into its file.
  std::shared_ptr<ResponseBody> unread_body;
  int64 content_length = -1;  // -1: not announced
};

// Fills title, text, links and source of `page` from a document of `mime_type`; a document
// without a title is titled with its address, as the engine does.
void ParseDocument(const std::string& body, const std::wstring& mime_type, Page* page);

// data:, file: and about: addresses; false for any other scheme.
bool FetchLocal(const std::wstring& url, Fetched* fetched);

// The lower-case scheme of an address ("http"), empty when it has none.
std::wstring SchemeOf(const std::wstring& url);

// Only loopback hosts are fetched: the stand-in never asks a name server or leaves the machine.
bool IsLoopbackUrl(const std::wstring& url);

}  // namespace standin

#endif  // OSTREL_STANDIN_PAGE_CONTENT_H_
