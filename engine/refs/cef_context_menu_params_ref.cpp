#include "engine/refs/cef_context_menu_params_ref.h"

#include "engine/core/cef_ref_call.h"

using Params = cef_context_menu_params_t;

int TCefContextMenuParamsRef::GetXcoord() { return CallEngine(Engine(), &Params::get_xcoord); }

int TCefContextMenuParamsRef::GetYcoord() { return CallEngine(Engine(), &Params::get_ycoord); }

cef_context_menu_type_flags_t TCefContextMenuParamsRef::GetTypeFlags() {
  return CallEngine(Engine(), &Params::get_type_flags);
}

ustring TCefContextMenuParamsRef::GetLinkUrl() {
  return CallEngine(Engine(), &Params::get_link_url);
}

ustring TCefContextMenuParamsRef::GetUnfilteredLinkUrl() {
  return CallEngine(Engine(), &Params::get_unfiltered_link_url);
}

ustring TCefContextMenuParamsRef::GetSourceUrl() {
  return CallEngine(Engine(), &Params::get_source_url);
}

bool TCefContextMenuParamsRef::HasImageContents() {
  return CallEngine(Engine(), &Params::has_image_contents) != 0;
}

ustring TCefContextMenuParamsRef::GetTitleText() {
  return CallEngine(Engine(), &Params::get_title_text);
}

ustring TCefContextMenuParamsRef::GetPageUrl() {
  return CallEngine(Engine(), &Params::get_page_url);
}

ustring TCefContextMenuParamsRef::GetFrameUrl() {
  return CallEngine(Engine(), &Params::get_frame_url);
}

ustring TCefContextMenuParamsRef::GetFrameCharset() {
  return CallEngine(Engine(), &Params::get_frame_charset);
}

cef_context_menu_media_type_t TCefContextMenuParamsRef::GetMediaType() {
  return CallEngine(Engine(), &Params::get_media_type);
}

cef_context_menu_media_state_flags_t TCefContextMenuParamsRef::GetMediaStateFlags() {
  return CallEngine(Engine(), &Params::get_media_state_flags);
}

ustring TCefContextMenuParamsRef::GetSelectionText() {
  return CallEngine(Engine(), &Params::get_selection_text);
}

ustring TCefContextMenuParamsRef::GetMisspelledWord() {
  return CallEngine(Engine(), &Params::get_misspelled_word);
}

bool TCefContextMenuParamsRef::GetDictionarySuggestions(std::vector<ustring>& suggestions) {
  return CallEngineForStrings(Engine(), &Params::get_dictionary_suggestions, suggestions);
}

bool TCefContextMenuParamsRef::IsEditable() {
  return CallEngine(Engine(), &Params::is_editable) != 0;
}

bool TCefContextMenuParamsRef::IsSpellCheckEnabled() {
  return CallEngine(Engine(), &Params::is_spell_check_enabled) != 0;
}

cef_context_menu_edit_state_flags_t TCefContextMenuParamsRef::GetEditStateFlags() {
  return CallEngine(Engine(), &Params::get_edit_state_flags);
}

bool TCefContextMenuParamsRef::IsCustomMenu() {
  return CallEngine(Engine(), &Params::is_custom_menu) != 0;
}

bool TCefContextMenuParamsRef::IsPepperMenu() {
  return CallEngine(Engine(), &Params::is_pepper_menu) != 0;
}
