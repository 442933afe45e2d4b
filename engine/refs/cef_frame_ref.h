#ifndef OSTREL_ENGINE_REFS_CEF_FRAME_REF_H_
#define OSTREL_ENGINE_REFS_CEF_FRAME_REF_H_

// A frame of an engine browser: editing commands, loading, script, source and text (delivered
// later to a string visitor), and messages to the renderer. Engine objects without a typed
// wrapper yet (script context, URL request) come back as plain counted wrappers.
//
// <windows.h> (through the engine's declarations) turns LoadString into LoadStringW; every user
// of this header sees the same macro, so the operation keeps one name throughout.

#include <cstdint>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefBrowser;
class ICefProcessMessage;
class ICefRequest;
class ICefStringVisitor;

class ICefFrame : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsValid() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Del() = 0;
  virtual void SelectAll() = 0;
  virtual void ViewSource() = 0;
  virtual void GetSource(Ref<ICefStringVisitor> visitor) = 0;
  virtual void GetText(Ref<ICefStringVisitor> visitor) = 0;
  virtual void LoadRequest(Ref<ICefRequest> request) = 0;
  virtual void LoadUrl(const ustring& url) = 0;
  virtual void LoadString(const ustring& stringVal, const ustring& url) = 0;
  virtual void ExecuteJavaScript(const ustring& code, const ustring& scriptUrl, int startLine) = 0;
  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  virtual ustring GetName() = 0;
  virtual int64_t GetIdentifier() = 0;
  virtual CefRefPtr<ICefFrame> GetParent() = 0;
  virtual ustring GetUrl() = 0;
  virtual CefRefPtr<ICefBrowser> GetBrowser() = 0;
  virtual CefRefPtr<ICefBaseRefCounted> GetV8context() = 0;
  virtual void VisitDom(Ref<ICefBaseRefCounted> visitor) = 0;
  virtual CefRefPtr<ICefBaseRefCounted> CreateUrlrequest(Ref<ICefRequest> request,
                                                         Ref<ICefBaseRefCounted> client) = 0;
  virtual void SendProcessMessage(cef_process_id_t targetProcess,
                                  Ref<ICefProcessMessage> message) = 0;
};

class TCefFrameRef final : public TCefRefBase<TCefFrameRef, ICefFrame, cef_frame_t> {
 public:
  using TCefRefBase::TCefRefBase;

  bool IsValid() override;
  void Undo() override;
  void Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Del() override;
  void SelectAll() override;
  void ViewSource() override;
  void GetSource(Ref<ICefStringVisitor> visitor) override;
  void GetText(Ref<ICefStringVisitor> visitor) override;
  void LoadRequest(Ref<ICefRequest> request) override;
  void LoadUrl(const ustring& url) override;
  void LoadString(const ustring& stringVal, const ustring& url) override;
  void ExecuteJavaScript(const ustring& code, const ustring& scriptUrl, int startLine) override;
  bool IsMain() override;
  bool IsFocused() override;
  ustring GetName() override;
  int64_t GetIdentifier() override;
  CefRefPtr<ICefFrame> GetParent() override;
  ustring GetUrl() override;
  CefRefPtr<ICefBrowser> GetBrowser() override;
  CefRefPtr<ICefBaseRefCounted> GetV8context() override;
  void VisitDom(Ref<ICefBaseRefCounted> visitor) override;
  CefRefPtr<ICefBaseRefCounted> CreateUrlrequest(Ref<ICefRequest> request,
                                                 Ref<ICefBaseRefCounted> client) override;
  void SendProcessMessage(cef_process_id_t targetProcess, Ref<ICefProcessMessage> message) override;

 private:
  ~TCefFrameRef() override = default;
};

inline CefRefPtr<ICefFrame> UnWrapEngine(cef_frame_t* data) { return TCefFrameRef::UnWrap(data); }

#endif  // OSTREL_ENGINE_REFS_CEF_FRAME_REF_H_
