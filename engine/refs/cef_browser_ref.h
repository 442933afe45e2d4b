#ifndef OSTREL_ENGINE_REFS_CEF_BROWSER_REF_H_
#define OSTREL_ENGINE_REFS_CEF_BROWSER_REF_H_

// A browser of the engine: navigation, identity and its frames. Every wrapper the operations
// return holds its own engine reference (see docs/refcounting.md).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefBrowserHost;
class ICefFrame;

class ICefBrowser : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;
  // The engine's browser identifier; 0 means none.
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(Ref<ICefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;
  virtual CefRefPtr<ICefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<ICefFrame> GetFocusedFrame() = 0;
  virtual CefRefPtr<ICefFrame> GetFrameByident(int64_t identifier) = 0;
  virtual CefRefPtr<ICefFrame> GetFrame(const ustring& name) = 0;
  virtual size_t GetFrameCount() = 0;
  // `count` is the capacity asked for (0 gives false). `identifiers` then holds the identifiers
  // the engine filled and `count` their number.
  virtual bool GetFrameIdentifiers(size_t& count, std::vector<int64_t>& identifiers) = 0;
  // Appends the frame names; false when no engine list could be made.
  virtual bool GetFrameNames(std::vector<ustring>& names) = 0;
};

class TCefBrowserRef final : public TCefRefBase<TCefBrowserRef, ICefBrowser, cef_browser_t> {
 public:
  using TCefRefBase::TCefRefBase;

  CefRefPtr<ICefBrowserHost> GetHost() override;
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override;
  bool IsSame(Ref<ICefBrowser> that) override;
  bool IsPopup() override;
  bool HasDocument() override;
  CefRefPtr<ICefFrame> GetMainFrame() override;
  CefRefPtr<ICefFrame> GetFocusedFrame() override;
  CefRefPtr<ICefFrame> GetFrameByident(int64_t identifier) override;
  CefRefPtr<ICefFrame> GetFrame(const ustring& name) override;
  size_t GetFrameCount() override;
  bool GetFrameIdentifiers(size_t& count, std::vector<int64_t>& identifiers) override;
  bool GetFrameNames(std::vector<ustring>& names) override;

 private:
  ~TCefBrowserRef() override = default;
};

inline CefRefPtr<ICefBrowser> UnWrapEngine(cef_browser_t* data) {
  return TCefBrowserRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_BROWSER_REF_H_
