#pragma once
// A window template: the window's own settings and the full list of its controls, as data.
// Every opening of a window builds it anew from its template; nothing else describes a window.

#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick::ui {

// #RRGGBB as 0xRRGGBB.
using Rgb = std::uint32_t;

enum class ControlKind {
    Label,
    EditBox,
    GroupBox,
    RadioButton,
    CheckBox,
    ComboBox,
    Hyperlink,
    PictureButton,
    FileChooser,
};

enum class Border { None, Thin, Sunken };
enum class Alignment { Left, Centre, Right };

// Face and character height in pixels; no face: the system's default GUI font at its own size
// (an unnamed face with a height keeps the default face at that height).
struct Font {
    const char* face = nullptr;
    int pixelHeight = 0;
};

// One control. All texts are UTF-8 source literals; names are the template's own.
struct ControlRecord {
    const char* name;
    ControlKind kind;
    const char* parent = nullptr;  // a group box of the same window; nullptr: the window
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;

    // Presets; each kind uses those that apply to it.
    const char* caption = "";          // label, radio button, check box, hyperlink
    const char* content = "";          // edit box
    const char* address = "";          // hyperlink: its web address
    std::vector<const char*> items{};  // combo box
    int currentItem = -1;              // combo box
    bool checked = false;              // radio button, check box
    std::optional<Rgb> textColour{};   // nullopt: the platform's default
    std::optional<Rgb> backColour{};
    std::optional<Rgb> hoverColour{};  // hyperlink under the pointer
    Font font{};
    Alignment alignment = Alignment::Left;
    const char* backImage = nullptr;  // label: its background picture
    bool multiLine = false;           // edit box
    bool readOnly = false;
    bool verticalScrollBar = false;
    Border border = Border::None;
    const char* images = nullptr;      // picture button: resource base name ("close", "back")
    const char* imageCaption = "";     // picture button: what its images show, as words
    const char* labelledBy = nullptr;  // edit box, combo box: the control whose caption names it
    // What a screen reader hears after the caption: the control's part in the flow, where the
    // caption alone would not tell it apart from another control of the window.
    const char* purpose = nullptr;
    const char* defaultExtension = "";  // file chooser
};

struct WindowTemplate {
    const char* title;
    int width, height;
    const char* background;         // resource name of the background picture
    std::optional<Rgb> backColour;  // nullopt: the system's default
    // Centred on the primary screen with integer division, or at this position.
    std::optional<int> left, top;
    bool taskbarButton;
    const char* spokenTitle =
        "";  // what a screen reader calls the window; the title is the taskbar's
    // Stacking order, topmost first. A group box may stand below the controls it holds; the
    // builder still creates it before them.
    std::vector<ControlRecord> controls;
};

}  // namespace tarnwick::ui
