#pragma once
// The main window's logic: owns the scene and the controls for the life of the process and
// runs one handler per notification. Text boxes and scroll bars raise their change
// handlers synchronously when written, so the handlers and the layout pass nest inside
// one another. A front-end renders the controls through the View and hands in what the
// user does; the picture is drawn through its Surface, whose back buffer the logic sizes,
// colours and gives its font.

#include <string>
#include <string_view>
#include <vector>

#include "help/about.h"
#include "model/display.h"
#include "model/simulation.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"
#include "window/controls.h"
#include "window/description.h"
#include "window/picture.h"
#include "window/view.h"

namespace velantra {

// The window system's services the logic calls.
struct Platform {
    MessageBox& box;
    Tone& tone;
    Launcher& launcher;
    AuthorsWindow& authors;
    // The user's regional decimal separator for the result lines (UTF-8).
    std::string decimal_separator = ".";
};

class Form1 : private Display {
  public:
    Form1(PictureSurface& picture, View& view, Platform platform);

    // What a front-end hands in.
    void client_resized(int width_px, int height_px);
    // The device pixel ratio of the screen the window is on, first before the window shows.
    // A new one (another screen, a new zoom) redraws the picture at once, at the same size.
    void resolution_changed(double ratio);
    void typed(TextBox& box, const std::string& text, int caret);
    // A scroll bar's arrow or trough.
    void scrolled(ScrollBar& bar, ScrollAction action);
    // A key on it; false when the bar leaves the key to others (Alt, Ctrl or Meta held).
    bool scroll_key(ScrollBar& bar, ScrollKey key, KeyModifiers modifiers);
    // A wheel turned over it, of `lines` line steps a notch (ScrollBar::wheel). A horizontal
    // bar takes the turn across when it is the larger, so that a tilt or a sideways swipe
    // moves it while a stroke down the wheel that wanders a little still goes by its stroke.
    void wheeled(ScrollBar& bar, WheelTurn turn, int lines);
    // Its thumb dragged to a position from the top (left) end, every step and the release:
    // the bar takes the value under the thumb when it is released.
    void thumb_moved(ScrollBar& bar, int position, bool released);
    // A value set by the platform's own means ("Scroll here", assistive technology).
    void scrolled_to(ScrollBar& bar, int value);
    // Pixels within Picture1.
    void pointer_moved(double px, double py);
    void menu_chosen(std::string_view entry);
    // Asks first; true when the program ends.
    bool close_requested();

    // Every control, in the order of the definition.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name) const;
    Simulation& simulation() { return sim_; }
    const Simulation& simulation() const { return sim_; }
    const UserMap& picture_map() const { return picture_.map(); }
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Form_Resize passes run so far, nested ones included.
    int resize_passes() const { return resize_passes_; }
    // The picture shows the ray of a run; the next redraw erases it.
    bool shows_run() const { return shows_run_; }
    // The picture in words: the scene, or after ПУСК the run, as the picture shows it now.
    const std::string& description() const { return description_text_; }

    // Handlers and procedures.
    void Form_Load();
    void Form_Resize();
    void layout();
    void Form_Unload(int& Cancel);
    void CmdOK_Click();
    void beep(double d);
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void Text6_Change();
    void HScroll1_Change();
    void VScroll1_Change();
    void VScroll2_Change();
    void Picture1_MouseMove(float x, float y);
    void mnuFilespravka_Click();
    void mnuFilespravka2_Click();
    void mnuFilespravka3_Click();
    void mnuFilesHistory1_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();

  private:
    // Display: what the model shows outside the picture.
    void set_caption(ResultLabel label, const std::string& utf8) override;
    void set_visible(ResultLabel label, bool visible) override;
    double shape1_width() const override;
    double shape1_height() const override;
    void move_shape1(double left, double top) override;
    void message(const std::string& text, const std::string& title) override;

    Label& result_label(ResultLabel label);
    void check_index(double& value, double replacement);
    void describe(std::string text, bool announce);

    View& view_;
    Platform platform_;
    Picture picture_;
    Simulation sim_;
    Description description_;
    std::string description_text_;
    int client_width_ = 0, client_height_ = 0;
    int resize_passes_ = 0;
    bool shows_run_ = false;
    // The layout pass's gaps, reset to 5 at the start of every pass.
    double gap_x = 5, gap_y = 5;

  public:
    // The controls, named as defined; they live as long as the window.
    Plain Picture1, Shape1;
    TextBox Text1, Text2, Text3, Text4, Text5, Text6;
    ScrollBar HScroll1, VScroll1, VScroll2;
    Plain CmdOK;
    Label Label1, Label2, Label3, Label4, Label5, Label6, Label10, Label11, Label7, Label8, Label9,
        Label13, Label14, Label12, Label15;

  private:
    std::vector<Control*> controls_;
};

}  // namespace velantra
