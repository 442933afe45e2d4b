#ifndef OSTREL_ENGINE_REFS_CEF_DRAG_DATA_REF_H_
#define OSTREL_ENGINE_REFS_CEF_DRAG_DATA_REF_H_

// What is being dragged: a link, a fragment of the page, files or an image.

#include <cstddef>
#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefImage;

class ICefDragData : public virtual ICefBaseRefCounted {
 public:
  virtual CefRefPtr<ICefDragData> Clone() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsLink() = 0;
  virtual bool IsFragment() = 0;
  virtual bool IsFile() = 0;
  virtual ustring GetLinkUrl() = 0;
  virtual ustring GetLinkTitle() = 0;
  virtual ustring GetLinkMetadata() = 0;
  virtual ustring GetFragmentText() = 0;
  virtual ustring GetFragmentHtml() = 0;
  virtual ustring GetFragmentBaseUrl() = 0;
  virtual ustring GetFileName() = 0;
  // Writes the file contents to `writer` (an engine stream writer); without one, gives the size.
  virtual size_t GetFileContents(Ref<ICefBaseRefCounted> writer) = 0;
  // Appends the file names; the engine's answer.
  virtual bool GetFileNames(std::vector<ustring>& names) = 0;
  virtual void SetLinkUrl(const ustring& url) = 0;
  virtual void SetLinkTitle(const ustring& title) = 0;
  virtual void SetLinkMetadata(const ustring& data) = 0;
  virtual void SetFragmentText(const ustring& text) = 0;
  virtual void SetFragmentHtml(const ustring& html) = 0;
  virtual void SetFragmentBaseUrl(const ustring& baseUrl) = 0;
  virtual void ResetFileContents() = 0;
  virtual void AddFile(const ustring& path, const ustring& displayName) = 0;
  virtual CefRefPtr<ICefImage> GetImage() = 0;
  virtual cef_point_t GetImageHotspot() = 0;
  virtual bool HasImage() = 0;
};

class TCefDragDataRef final : public TCefRefBase<TCefDragDataRef, ICefDragData, cef_drag_data_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // New empty drag data. Null before the library is loaded.
  static CefRefPtr<ICefDragData> New();

  CefRefPtr<ICefDragData> Clone() override;
  bool IsReadOnly() override;
  bool IsLink() override;
  bool IsFragment() override;
  bool IsFile() override;
  ustring GetLinkUrl() override;
  ustring GetLinkTitle() override;
  ustring GetLinkMetadata() override;
  ustring GetFragmentText() override;
  ustring GetFragmentHtml() override;
  ustring GetFragmentBaseUrl() override;
  ustring GetFileName() override;
  size_t GetFileContents(Ref<ICefBaseRefCounted> writer) override;
  bool GetFileNames(std::vector<ustring>& names) override;
  void SetLinkUrl(const ustring& url) override;
  void SetLinkTitle(const ustring& title) override;
  void SetLinkMetadata(const ustring& data) override;
  void SetFragmentText(const ustring& text) override;
  void SetFragmentHtml(const ustring& html) override;
  void SetFragmentBaseUrl(const ustring& baseUrl) override;
  void ResetFileContents() override;
  void AddFile(const ustring& path, const ustring& displayName) override;
  CefRefPtr<ICefImage> GetImage() override;
  cef_point_t GetImageHotspot() override;
  bool HasImage() override;

 private:
  ~TCefDragDataRef() override = default;
};

inline CefRefPtr<ICefDragData> UnWrapEngine(cef_drag_data_t* data) {
  return TCefDragDataRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_DRAG_DATA_REF_H_
