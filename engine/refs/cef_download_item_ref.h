#ifndef OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_REF_H_
#define OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_REF_H_

// A download as the engine reports it. Values are a snapshot taken when the engine called.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefDownloadItem : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsInProgress() = 0;
  virtual bool IsComplete() = 0;
  virtual bool IsCanceled() = 0;
  // Bytes per second.
  virtual int64 GetCurrentSpeed() = 0;
  // -1 when the total size is unknown.
  virtual int GetPercentComplete() = 0;
  virtual int64 GetTotalBytes() = 0;
  virtual int64 GetReceivedBytes() = 0;
  virtual cef_time_t GetStartTime() = 0;
  virtual cef_time_t GetEndTime() = 0;
  virtual ustring GetFullPath() = 0;
  virtual uint32 GetId() = 0;
  virtual ustring GetUrl() = 0;
  virtual ustring GetOriginalUrl() = 0;
  virtual ustring GetSuggestedFileName() = 0;
  virtual ustring GetContentDisposition() = 0;
  virtual ustring GetMimeType() = 0;
};

class TCefDownLoadItemRef final
    : public TCefRefBase<TCefDownLoadItemRef, ICefDownloadItem, cef_download_item_t> {
 public:
  using TCefRefBase::TCefRefBase;

  bool IsValid() override;
  bool IsInProgress() override;
  bool IsComplete() override;
  bool IsCanceled() override;
  int64 GetCurrentSpeed() override;
  int GetPercentComplete() override;
  int64 GetTotalBytes() override;
  int64 GetReceivedBytes() override;
  cef_time_t GetStartTime() override;
  cef_time_t GetEndTime() override;
  ustring GetFullPath() override;
  uint32 GetId() override;
  ustring GetUrl() override;
  ustring GetOriginalUrl() override;
  ustring GetSuggestedFileName() override;
  ustring GetContentDisposition() override;
  ustring GetMimeType() override;

 private:
  ~TCefDownLoadItemRef() override = default;
};

inline CefRefPtr<ICefDownloadItem> UnWrapEngine(cef_download_item_t* data) {
  return TCefDownLoadItemRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_DOWNLOAD_ITEM_REF_H_
