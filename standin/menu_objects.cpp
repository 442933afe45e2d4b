// Group "menu model" and the context menu's parameter and callback objects. The model keeps
// command, check, radio and separator items (labels, visibility, enabling, checks); sub-menus,
// accelerators, colours and fonts are not simulated (their functions answer 0 or null).

#include "standin/menu_objects.h"

#include <mutex>

#include "standin/refcount.h"
#include "standin/text.h"
#include "standin/trace.h"
#include "standin/unsimulated.h"

namespace standin {
namespace {

class MenuModel : public EngineObject<MenuModel, cef_menu_model_t> {
 public:
  MenuModel() : EngineObject("menu_model") {
    cef_menu_model_t* s = data();
    s->is_sub_menu = [](cef_menu_model_t*) { return 0; };
    s->clear = [](cef_menu_model_t* self) {
      return Edit(self, [](std::vector<MenuItem>& items) {
        items.clear();
        return 1;
      });
    };
    s->get_count = [](cef_menu_model_t* self) {
      return Edit(self,
                  [](std::vector<MenuItem>& items) { return static_cast<int>(items.size()); });
    };
    s->add_separator = [](cef_menu_model_t* self) {
      return Insert(self, -1, MenuItem{-1, L"", MENUITEMTYPE_SEPARATOR});
    };
    s->add_item = [](cef_menu_model_t* self, int id, const cef_string_t* label) {
      return Insert(self, -1, MenuItem{id, FromRecord(label), MENUITEMTYPE_COMMAND});
    };
    s->add_check_item = [](cef_menu_model_t* self, int id, const cef_string_t* label) {
      return Insert(self, -1, MenuItem{id, FromRecord(label), MENUITEMTYPE_CHECK});
    };
    s->add_radio_item = [](cef_menu_model_t* self, int id, const cef_string_t* label, int) {
      return Insert(self, -1, MenuItem{id, FromRecord(label), MENUITEMTYPE_RADIO});
    };
    s->insert_separator_at = [](cef_menu_model_t* self, int index) {
      return Insert(self, index, MenuItem{-1, L"", MENUITEMTYPE_SEPARATOR});
    };
    s->insert_item_at = [](cef_menu_model_t* self, int index, int id, const cef_string_t* label) {
      return Insert(self, index, MenuItem{id, FromRecord(label), MENUITEMTYPE_COMMAND});
    };
    s->remove = [](cef_menu_model_t* self, int id) {
      return Edit(self, [id](std::vector<MenuItem>& items) {
        const int at = IndexOf(items, id);
        if (at < 0) return 0;
        items.erase(items.begin() + at);
        return 1;
      });
    };
    s->remove_at = [](cef_menu_model_t* self, int index) {
      return Edit(self, [index](std::vector<MenuItem>& items) {
        if (index < 0 || index >= static_cast<int>(items.size())) return 0;
        items.erase(items.begin() + index);
        return 1;
      });
    };
    s->get_index_of = [](cef_menu_model_t* self, int id) {
      return Edit(self, [id](std::vector<MenuItem>& items) { return IndexOf(items, id); });
    };
    s->get_command_id_at = [](cef_menu_model_t* self, int index) {
      return At(
          self, index, [](MenuItem& item) { return item.command_id; }, -1);
    };
    s->get_label = [](cef_menu_model_t* self, int id) {
      return NewUserFree(
          Label(self, [id](std::vector<MenuItem>& items) { return IndexOf(items, id); }));
    };
    s->get_label_at = [](cef_menu_model_t* self, int index) {
      return NewUserFree(Label(self, [index](std::vector<MenuItem>&) { return index; }));
    };
    s->get_type_at = [](cef_menu_model_t* self, int index) {
      return At(
          self, index, [](MenuItem& item) { return item.type; }, MENUITEMTYPE_NONE);
    };
    s->is_visible_at = [](cef_menu_model_t* self, int index) {
      return At(
          self, index, [](MenuItem& item) { return item.visible ? 1 : 0; }, 0);
    };
    s->set_visible = [](cef_menu_model_t* self, int id, int visible) {
      return ById(self, id, [visible](MenuItem& item) { item.visible = visible != 0; });
    };
    s->is_enabled_at = [](cef_menu_model_t* self, int index) {
      return At(
          self, index, [](MenuItem& item) { return item.enabled ? 1 : 0; }, 0);
    };
    s->set_enabled = [](cef_menu_model_t* self, int id, int enabled) {
      return ById(self, id, [enabled](MenuItem& item) { item.enabled = enabled != 0; });
    };
    s->is_checked_at = [](cef_menu_model_t* self, int index) {
      return At(
          self, index, [](MenuItem& item) { return item.checked ? 1 : 0; }, 0);
    };
    s->set_checked = [](cef_menu_model_t* self, int id, int checked) {
      return ById(self, id, [checked](MenuItem& item) { item.checked = checked != 0; });
    };
    s->get_color = [](cef_menu_model_t*, int, cef_menu_color_type_t, cef_color_t* color) {
      if (color) *color = 0;
      return 0;
    };
    s->get_color_at = s->get_color;
    s->get_accelerator = [](cef_menu_model_t*, int, int* key, int* shift, int* ctrl, int* alt) {
      for (int* out : {key, shift, ctrl, alt}) {
        if (out) *out = 0;
      }
      return 0;
    };
    s->get_accelerator_at = s->get_accelerator;
    FillUnsimulated(s, "menu_model");
  }

  std::vector<MenuItem> Items() {
    std::lock_guard<std::mutex> guard(lock_);
    return items_;
  }

 private:
  static int IndexOf(const std::vector<MenuItem>& items, int id) {
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].command_id == id && items[i].type != MENUITEMTYPE_SEPARATOR) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  template <typename Action>
  static int Edit(cef_menu_model_t* self, Action action) {
    MenuModel* model = From(self);
    if (!model) return 0;
    std::lock_guard<std::mutex> guard(model->lock_);
    return action(model->items_);
  }
  static int Insert(cef_menu_model_t* self, int index, MenuItem item) {
    return Edit(self, [&](std::vector<MenuItem>& items) {
      if (index > static_cast<int>(items.size())) return 0;
      items.insert(index < 0 ? items.end() : items.begin() + index, item);
      return 1;
    });
  }
  template <typename Read, typename Result>
  static Result At(cef_menu_model_t* self, int index, Read read, Result fallback) {
    MenuModel* model = From(self);
    if (!model) return fallback;
    std::lock_guard<std::mutex> guard(model->lock_);
    if (index < 0 || index >= static_cast<int>(model->items_.size())) return fallback;
    return read(model->items_[index]);
  }
  template <typename Change>
  static int ById(cef_menu_model_t* self, int id, Change change) {
    return Edit(self, [&](std::vector<MenuItem>& items) {
      const int at = IndexOf(items, id);
      if (at < 0) return 0;
      change(items[at]);
      return 1;
    });
  }
  template <typename Index>
  static std::wstring Label(cef_menu_model_t* self, Index index_of) {
    MenuModel* model = From(self);
    if (!model) return std::wstring();
    std::lock_guard<std::mutex> guard(model->lock_);
    const int index = index_of(model->items_);
    if (index < 0 || index >= static_cast<int>(model->items_.size())) return std::wstring();
    return model->items_[index].label;
  }

  std::mutex lock_;
  std::vector<MenuItem> items_;
};

class ContextMenuParams : public EngineObject<ContextMenuParams, cef_context_menu_params_t> {
 public:
  explicit ContextMenuParams(MenuParams params)
      : EngineObject("context_menu_params"), params_(std::move(params)) {
    cef_context_menu_params_t* s = data();
    s->get_xcoord = [](cef_context_menu_params_t* self) {
      return From(self) ? From(self)->params_.x : 0;
    };
    s->get_ycoord = [](cef_context_menu_params_t* self) {
      return From(self) ? From(self)->params_.y : 0;
    };
    s->get_type_flags = [](cef_context_menu_params_t* self) {
      ContextMenuParams* p = From(self);
      int flags = CM_TYPEFLAG_PAGE | CM_TYPEFLAG_FRAME;
      if (p && !p->params_.link_url.empty()) flags |= CM_TYPEFLAG_LINK;
      return static_cast<cef_context_menu_type_flags_t>(flags);
    };
    s->get_link_url = [](cef_context_menu_params_t* self) {
      return NewUserFree(From(self) ? From(self)->params_.link_url : std::wstring());
    };
    s->get_unfiltered_link_url = s->get_link_url;
    s->get_page_url = [](cef_context_menu_params_t* self) {
      return NewUserFree(From(self) ? From(self)->params_.page_url : std::wstring());
    };
    s->get_frame_url = s->get_page_url;
    s->get_media_type = [](cef_context_menu_params_t*) { return CM_MEDIATYPE_NONE; };
    FillUnsimulated(s, "context_menu_params");
  }

 private:
  const MenuParams params_;
};

class RunContextMenuCallback
    : public EngineObject<RunContextMenuCallback, cef_run_context_menu_callback_t> {
 public:
  explicit RunContextMenuCallback(std::function<void(int, int)> done)
      : EngineObject("run_context_menu_callback"), done_(std::move(done)) {
    cef_run_context_menu_callback_t* s = data();
    s->cont = [](cef_run_context_menu_callback_t* self, int command, cef_event_flags_t flags) {
      Finish(self, command, flags);
    };
    s->cancel = [](cef_run_context_menu_callback_t* self) { Finish(self, -1, 0); };
    FillUnsimulated(s, "run_context_menu_callback");
  }
  ~RunContextMenuCallback() override {
    if (done_) done_(-1, 0);
  }

 private:
  static void Finish(cef_run_context_menu_callback_t* self, int command, int flags) {
    RunContextMenuCallback* callback = From(self);
    if (!callback) return;
    std::function<void(int, int)> done;
    {
      std::lock_guard<std::mutex> guard(callback->lock_);
      done = std::move(callback->done_);
      callback->done_ = nullptr;
    }
    if (done) done(command, flags);
  }

  std::mutex lock_;
  std::function<void(int, int)> done_;
};

}  // namespace

cef_menu_model_t* NewMenuModel() { return (new MenuModel)->data(); }

std::vector<MenuItem> MenuItems(cef_menu_model_t* model) {
  MenuModel* object = MenuModel::From(model);
  return object ? object->Items() : std::vector<MenuItem>();
}

cef_context_menu_params_t* NewContextMenuParams(MenuParams params) {
  return (new ContextMenuParams(std::move(params)))->data();
}

cef_run_context_menu_callback_t* NewRunContextMenuCallback(std::function<void(int, int)> done) {
  return (new RunContextMenuCallback(std::move(done)))->data();
}

}  // namespace standin

extern "C" {

cef_menu_model_t* cef_menu_model_create(struct _cef_menu_model_delegate_t* delegate) {
  standin::ReleaseProgramObject(delegate);  // the stand-in's models call no delegate
  return standin::NewMenuModel();
}

}  // extern "C"
