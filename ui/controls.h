#ifndef OSTREL_UI_CONTROLS_H_
#define OSTREL_UI_CONTROLS_H_

// The controls, one file each under ui/controls/. Each has a CreateArgs struct whose first
// fields are the common placement (parent, align, bounds, text, font, visible, enabled,
// tabStop; see TPlacement: sizes in design units) and events as public std::function slots,
// raised on the UI thread. Call Create once, on the UI thread, with a parent that exists.

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/window.h"

//--- Panel: a container for docked or placed controls

class TPanel : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    TPadding padding;      // design units
    bool lowered = false;  // a sunken one-pixel edge (a lowered bevel)
  };
  bool Create(const CreateArgs& args);
};

//--- GroupBox: a panel framed with a caption; child positions are inside the frame's box

class TGroupBox : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    std::wstring_view text;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    TPadding padding;
  };
  bool Create(const CreateArgs& args);
  void SetText(std::wstring_view text) override;
  TBounds AlignArea() const override;

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;
};

//--- Button

class TButton : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    std::wstring_view text;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    bool isDefault = false;    // Return in the form clicks it
    bool isCancel = false;     // Escape in the form clicks it
    int modalResult = mrNone;  // set on the form when clicked (ends ShowModal)
  };
  bool Create(const CreateArgs& args);
  // What a click does: the form's modal result, then OnClick.
  void Click();
  int ModalResult() const { return FModalResult; }
  std::function<void()> OnClick;

 protected:
  bool OnCommand(WORD code) override;

 private:
  int FModalResult = mrNone;
};

//--- Label: static text, optionally wrapped and sized to its text

class TLabel : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    std::wstring_view text;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool wordWrap = false;  // lines break at the label's width
    bool autoSize = true;   // height (and without wordWrap, width) follow the text
    bool transparent = false;
    COLORREF textColor = CLR_INVALID;
  };
  bool Create(const CreateArgs& args);
  void SetText(std::wstring_view text) override;
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  // Sizes the label to its text now (what autoSize does after every text change).
  void AdjustSize();

 protected:
  HBRUSH ControlColor(UINT message, HDC dc) override;

 private:
  bool FWordWrap = false;
  bool FAutoSize = true;
  bool FTransparent = false;
};

//--- Edit: a text field, or a multi-line text (memo)

class TEdit : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    std::wstring_view text;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    bool multiLine = false;
    bool scrollBars = false;  // multi-line: both bars, lines do not wrap
    bool readOnly = false;    // text can be selected and copied, not changed
    bool password = false;    // shown as '*'
    bool digitsOnly = false;
    int maxLength = 0;  // characters; 0: no limit of ours
    bool border = true;
  };
  bool Create(const CreateArgs& args);
  // Replaces the text with `lines`, one per line.
  void SetLines(std::span<const std::wstring> lines);
  void SelectAll();
  std::function<void()> OnChange;

 protected:
  bool OnCommand(WORD code) override;
};

//--- ComboBox: an editable drop-down box, or a drop-down list

class TComboBox : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;  // height: the box without its list
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    bool editable = true;  // false: the text is always one of the items
    std::vector<std::wstring> items;
    int itemIndex = -1;
    int dropDownCount = 8;  // list lines shown when it drops down
  };
  bool Create(const CreateArgs& args);
  int AddItem(std::wstring_view item);
  void ClearItems();
  int ItemCount() const;
  std::wstring Item(int index) const;
  int IndexOf(std::wstring_view item) const;  // exact match, -1 when absent
  int ItemIndex() const;
  void SetItemIndex(int index);
  // Text(): the box's text (the selected item for a list). SetText on an editable box.
  std::function<void()> OnChange;  // typed, or another item chosen

 protected:
  bool OnCommand(WORD code) override;
  void PlaceHandle(const TBounds& bounds) override;

 private:
  int FDropDownCount = 8;
};

//--- StatusBar: panels of fixed widths along the bottom; the last one takes the rest

class TStatusBar : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alBottom;
    TBounds bounds{0, 0, 0, 19};
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    std::vector<int> panelWidths;  // design units
    bool sizeGrip = true;
  };
  bool Create(const CreateArgs& args);
  void SetPanelText(int index, std::wstring_view text);
  std::wstring PanelText(int index) const;
  int PanelCount() const { return static_cast<int>(FWidths.size()); }

 protected:
  void PlaceHandle(const TBounds& bounds) override;

 private:
  std::vector<int> FWidths;  // device pixels
};

//--- Splitter: a bar docked beside a control that the user drags to resize that control

class TSplitter : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alLeft;  // the same side as the control it resizes, docked after it
    TBounds bounds{0, 0, 5, 5};
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    int minSize = 30;  // neither the neighbour nor the client area gets smaller
  };
  bool Create(const CreateArgs& args);
  std::function<void()> OnMoved;  // after a drag

 protected:
  LRESULT WndProc(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
  int MousePosition() const;
  TWindow* FNeighbour = nullptr;  // while dragging
  std::weak_ptr<const void> FNeighbourLife;
  TSplitterDrag FDrag;
  int FStart = 0;
  int FMinSize = 30;
};

//--- SpinEdit: a number field with up and down arrows, kept within its limits

class TSpinEdit : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    int minValue = 0;
    int maxValue = 100;
    int value = 0;
  };
  ~TSpinEdit() override;
  bool Create(const CreateArgs& args);
  // The number shown, within the limits (the lower limit when the text is no number).
  int Value() const;
  void SetValue(int value);
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  std::function<void()> OnChange;

 protected:
  bool OnCommand(WORD code) override;
  void PlaceHandle(const TBounds& bounds) override;

 private:
  HWND FUpDown = nullptr;
  int FMin = 0;
  int FMax = 100;
};

//--- ProgressBar

class TProgressBar : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    int minValue = 0;
    int maxValue = 100;
    int position = 0;
  };
  bool Create(const CreateArgs& args);
  void SetRange(int minValue, int maxValue);
  void SetPosition(int position);
  int Position() const;
};

//--- Image: an icon, or a bitmap stretched to the control (the caller keeps them alive)

class TImage : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;  // used when there is no icon
  };
  bool Create(const CreateArgs& args);
  void SetIcon(HICON icon);
  void SetBitmap(HBITMAP bitmap);
};

//--- Bevel: an etched line across its width (a bevel's top line), 2 design units high

class TBevel : public TWindow {
 public:
  struct CreateArgs {
    TWindow* parent = nullptr;
    TAlign align = alNone;
    TBounds bounds;  // its height is always 2
    HFONT font = nullptr;
    bool visible = true;
    bool enabled = true;
  };
  bool Create(const CreateArgs& args);
};

#endif  // OSTREL_UI_CONTROLS_H_
