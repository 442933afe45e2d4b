#ifndef OSTREL_ENGINE_REFS_CEF_CONTEXT_MENU_PARAMS_REF_H_
#define OSTREL_ENGINE_REFS_CEF_CONTEXT_MENU_PARAMS_REF_H_

// What the page's context menu was opened on: position, link, image, selection, editing state.

#include <vector>

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefContextMenuParams : public virtual ICefBaseRefCounted {
 public:
  virtual int GetXcoord() = 0;
  virtual int GetYcoord() = 0;
  virtual cef_context_menu_type_flags_t GetTypeFlags() = 0;
  virtual ustring GetLinkUrl() = 0;
  virtual ustring GetUnfilteredLinkUrl() = 0;
  virtual ustring GetSourceUrl() = 0;
  virtual bool HasImageContents() = 0;
  virtual ustring GetTitleText() = 0;
  virtual ustring GetPageUrl() = 0;
  virtual ustring GetFrameUrl() = 0;
  virtual ustring GetFrameCharset() = 0;
  virtual cef_context_menu_media_type_t GetMediaType() = 0;
  virtual cef_context_menu_media_state_flags_t GetMediaStateFlags() = 0;
  virtual ustring GetSelectionText() = 0;
  virtual ustring GetMisspelledWord() = 0;
  // Appends the engine's suggestions; the engine's answer.
  virtual bool GetDictionarySuggestions(std::vector<ustring>& suggestions) = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsSpellCheckEnabled() = 0;
  virtual cef_context_menu_edit_state_flags_t GetEditStateFlags() = 0;
  virtual bool IsCustomMenu() = 0;
  virtual bool IsPepperMenu() = 0;
};

class TCefContextMenuParamsRef final
    : public TCefRefBase<TCefContextMenuParamsRef, ICefContextMenuParams,
                         cef_context_menu_params_t> {
 public:
  using TCefRefBase::TCefRefBase;

  int GetXcoord() override;
  int GetYcoord() override;
  cef_context_menu_type_flags_t GetTypeFlags() override;
  ustring GetLinkUrl() override;
  ustring GetUnfilteredLinkUrl() override;
  ustring GetSourceUrl() override;
  bool HasImageContents() override;
  ustring GetTitleText() override;
  ustring GetPageUrl() override;
  ustring GetFrameUrl() override;
  ustring GetFrameCharset() override;
  cef_context_menu_media_type_t GetMediaType() override;
  cef_context_menu_media_state_flags_t GetMediaStateFlags() override;
  ustring GetSelectionText() override;
  ustring GetMisspelledWord() override;
  bool GetDictionarySuggestions(std::vector<ustring>& suggestions) override;
  bool IsEditable() override;
  bool IsSpellCheckEnabled() override;
  cef_context_menu_edit_state_flags_t GetEditStateFlags() override;
  bool IsCustomMenu() override;
  bool IsPepperMenu() override;

 private:
  ~TCefContextMenuParamsRef() override = default;
};

inline CefRefPtr<ICefContextMenuParams> UnWrapEngine(cef_context_menu_params_t* data) {
  return TCefContextMenuParamsRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_CONTEXT_MENU_PARAMS_REF_H_
