#ifndef OSTREL_ENGINE_REFS_CEF_MENU_MODEL_REF_H_
#define OSTREL_ENGINE_REFS_CEF_MENU_MODEL_REF_H_

// An engine menu (the page's context menu). Items are addressed either by command identifier
// or, in the operations ending in "At", by position.

#include "engine/capi/cef_capi.h"
#include "engine/core/cef_ref_base.h"
#include "engine/core/cef_string.h"

class ICefMenuModel : public virtual ICefBaseRefCounted {
 public:
  virtual bool IsSubMenu() = 0;
  virtual bool Clear() = 0;
  virtual int GetCount() = 0;
  virtual bool AddSeparator() = 0;
  virtual bool AddItem(int commandId, const ustring& label) = 0;
  virtual bool AddCheckItem(int commandId, const ustring& label) = 0;
  virtual bool AddRadioItem(int commandId, const ustring& label, int groupId) = 0;
  virtual CefRefPtr<ICefMenuModel> AddSubMenu(int commandId, const ustring& label) = 0;
  virtual bool InsertSeparatorAt(int index) = 0;
  virtual bool InsertItemAt(int index, int commandId, const ustring& label) = 0;
  virtual bool InsertCheckItemAt(int index, int commandId, const ustring& label) = 0;
  virtual bool InsertRadioItemAt(int index, int commandId, const ustring& label, int groupId) = 0;
  virtual CefRefPtr<ICefMenuModel> InsertSubMenuAt(int index, int commandId,
                                                   const ustring& label) = 0;
  virtual bool Remove(int commandId) = 0;
  virtual bool RemoveAt(int index) = 0;
  virtual int GetIndexOf(int commandId) = 0;
  virtual int GetCommandIdAt(int index) = 0;
  virtual bool SetCommandIdAt(int index, int commandId) = 0;
  virtual ustring GetLabel(int commandId) = 0;
  virtual ustring GetLabelAt(int index) = 0;
  virtual bool SetLabel(int commandId, const ustring& label) = 0;
  virtual bool SetLabelAt(int index, const ustring& label) = 0;
  virtual cef_menu_item_type_t GetType(int commandId) = 0;
  virtual cef_menu_item_type_t GetTypeAt(int index) = 0;
  virtual int GetGroupId(int commandId) = 0;
  virtual int GetGroupIdAt(int index) = 0;
  virtual bool SetGroupId(int commandId, int groupId) = 0;
  virtual bool SetGroupIdAt(int index, int groupId) = 0;
  virtual CefRefPtr<ICefMenuModel> GetSubMenu(int commandId) = 0;
  virtual CefRefPtr<ICefMenuModel> GetSubMenuAt(int index) = 0;
  virtual bool IsVisible(int commandId) = 0;
  virtual bool IsVisibleAt(int index) = 0;
  virtual bool SetVisible(int commandId, bool visible) = 0;
  virtual bool SetVisibleAt(int index, bool visible) = 0;
  virtual bool IsEnabled(int commandId) = 0;
  virtual bool IsEnabledAt(int index) = 0;
  virtual bool SetEnabled(int commandId, bool enabled) = 0;
  virtual bool SetEnabledAt(int index, bool enabled) = 0;
  virtual bool IsChecked(int commandId) = 0;
  virtual bool IsCheckedAt(int index) = 0;
  virtual bool SetChecked(int commandId, bool checked) = 0;
  virtual bool SetCheckedAt(int index, bool checked) = 0;
  virtual bool HasAccelerator(int commandId) = 0;
  virtual bool HasAcceleratorAt(int index) = 0;
  virtual bool SetAccelerator(int commandId, int keyCode, bool shiftPressed, bool ctrlPressed,
                              bool altPressed) = 0;
  virtual bool SetAcceleratorAt(int index, int keyCode, bool shiftPressed, bool ctrlPressed,
                                bool altPressed) = 0;
  virtual bool RemoveAccelerator(int commandId) = 0;
  virtual bool RemoveAcceleratorAt(int index) = 0;
  virtual bool GetAccelerator(int commandId, int& keyCode, bool& shiftPressed, bool& ctrlPressed,
                              bool& altPressed) = 0;
  virtual bool GetAcceleratorAt(int index, int& keyCode, bool& shiftPressed, bool& ctrlPressed,
                                bool& altPressed) = 0;
  virtual bool SetColor(int commandId, cef_menu_color_type_t colorType, cef_color_t color) = 0;
  virtual bool SetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t color) = 0;
  virtual bool GetColor(int commandId, cef_menu_color_type_t colorType, cef_color_t& color) = 0;
  virtual bool GetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t& color) = 0;
  virtual bool SetFontList(int commandId, const ustring& fontList) = 0;
  virtual bool SetFontListAt(int index, const ustring& fontList) = 0;
};

class TCefMenuModelRef final
    : public TCefRefBase<TCefMenuModelRef, ICefMenuModel, cef_menu_model_t> {
 public:
  using TCefRefBase::TCefRefBase;

  // A new menu reporting to `delegate` (a program menu-model delegate, handed to the engine with
  // one added reference). Null before the library is loaded.
  static CefRefPtr<ICefMenuModel> New(Ref<ICefBaseRefCounted> delegate);

  bool IsSubMenu() override;
  bool Clear() override;
  int GetCount() override;
  bool AddSeparator() override;
  bool AddItem(int commandId, const ustring& label) override;
  bool AddCheckItem(int commandId, const ustring& label) override;
  bool AddRadioItem(int commandId, const ustring& label, int groupId) override;
  CefRefPtr<ICefMenuModel> AddSubMenu(int commandId, const ustring& label) override;
  bool InsertSeparatorAt(int index) override;
  bool InsertItemAt(int index, int commandId, const ustring& label) override;
  bool InsertCheckItemAt(int index, int commandId, const ustring& label) override;
  bool InsertRadioItemAt(int index, int commandId, const ustring& label, int groupId) override;
  CefRefPtr<ICefMenuModel> InsertSubMenuAt(int index, int commandId, const ustring& label) override;
  bool Remove(int commandId) override;
  bool RemoveAt(int index) override;
  int GetIndexOf(int commandId) override;
  int GetCommandIdAt(int index) override;
  bool SetCommandIdAt(int index, int commandId) override;
  ustring GetLabel(int commandId) override;
  ustring GetLabelAt(int index) override;
  bool SetLabel(int commandId, const ustring& label) override;
  bool SetLabelAt(int index, const ustring& label) override;
  cef_menu_item_type_t GetType(int commandId) override;
  cef_menu_item_type_t GetTypeAt(int index) override;
  int GetGroupId(int commandId) override;
  int GetGroupIdAt(int index) override;
  bool SetGroupId(int commandId, int groupId) override;
  bool SetGroupIdAt(int index, int groupId) override;
  CefRefPtr<ICefMenuModel> GetSubMenu(int commandId) override;
  CefRefPtr<ICefMenuModel> GetSubMenuAt(int index) override;
  bool IsVisible(int commandId) override;
  bool IsVisibleAt(int index) override;
  bool SetVisible(int commandId, bool visible) override;
  bool SetVisibleAt(int index, bool visible) override;
  bool IsEnabled(int commandId) override;
  bool IsEnabledAt(int index) override;
  bool SetEnabled(int commandId, bool enabled) override;
  bool SetEnabledAt(int index, bool enabled) override;
  bool IsChecked(int commandId) override;
  bool IsCheckedAt(int index) override;
  bool SetChecked(int commandId, bool checked) override;
  bool SetCheckedAt(int index, bool checked) override;
  bool HasAccelerator(int commandId) override;
  bool HasAcceleratorAt(int index) override;
  bool SetAccelerator(int commandId, int keyCode, bool shiftPressed, bool ctrlPressed,
                      bool altPressed) override;
  bool SetAcceleratorAt(int index, int keyCode, bool shiftPressed, bool ctrlPressed,
                        bool altPressed) override;
  bool RemoveAccelerator(int commandId) override;
  bool RemoveAcceleratorAt(int index) override;
  bool GetAccelerator(int commandId, int& keyCode, bool& shiftPressed, bool& ctrlPressed,
                      bool& altPressed) override;
  bool GetAcceleratorAt(int index, int& keyCode, bool& shiftPressed, bool& ctrlPressed,
                        bool& altPressed) override;
  bool SetColor(int commandId, cef_menu_color_type_t colorType, cef_color_t color) override;
  bool SetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t color) override;
  bool GetColor(int commandId, cef_menu_color_type_t colorType, cef_color_t& color) override;
  bool GetColorAt(int index, cef_menu_color_type_t colorType, cef_color_t& color) override;
  bool SetFontList(int commandId, const ustring& fontList) override;
  bool SetFontListAt(int index, const ustring& fontList) override;

 private:
  ~TCefMenuModelRef() override = default;
};

inline CefRefPtr<ICefMenuModel> UnWrapEngine(cef_menu_model_t* data) {
  return TCefMenuModelRef::UnWrap(data);
}

#endif  // OSTREL_ENGINE_REFS_CEF_MENU_MODEL_REF_H_
