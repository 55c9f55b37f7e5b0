#pragma once
// The main window: owns the scene for the life of the process and runs one handler per
// notification. Text boxes and scroll bars raise their change handlers synchronously
// when written, so the handlers and the layout pass nest inside one another.

#include <QMainWindow>
#include <QString>
#include <map>

#include "help/about.h"
#include "model/display.h"
#include "model/simulation.h"
#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"
#include "surface/raster_surface.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace velantra {

class PictureBox;
class ShapeCircle;

// A control's place in the window's units: one unit across is 1 px, one unit down 1.0625 px.
struct UnitRect {
    float left = 0, top = 0, width = 0, height = 0;
};

class Form1 : public QMainWindow, public Display {
    Q_OBJECT
  public:
    Form1(MessageBox& box, Tone& tone, Launcher& launcher, QWidget* parent = nullptr);
    ~Form1() override;

    Simulation& simulation() { return sim_; }
    const RasterSurface& picture() const { return surface_; }
    PictureBox* picture_box() const { return Picture1; }
    // The last place the layout pass gave a control, in the window's units.
    UnitRect units_of(const QString& name) const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Form_Resize passes run so far, nested ones included.
    int resize_passes() const { return resize_passes_; }
    Authors& authors() { return authors_; }

    // Handlers and procedures.
    void Form_Load();
    void Form_Resize();
    void layout();
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
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void mnuFilespravka_Click();
    void mnuFilespravka2_Click();
    void mnuFilespravka3_Click();
    void mnuFilesHistory1_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();

    // Display.
    void set_caption(ResultLabel label, const std::string& utf8) override;
    void set_visible(ResultLabel label, bool visible) override;
    double shape1_width() const override;
    double shape1_height() const override;
    void move_shape1(double left, double top) override;
    void message(const std::string& text, const std::string& title) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

  private:
    void define_controls();
    void define_menu();
    void define_focus_order();
    void connect_handlers();
    void place(QWidget* control, const UnitRect& r);
    QLabel* result_label(ResultLabel label) const;
    void set_label(QLabel* label, const QString& caption);
    // Writes a text box; a changed text raises its handler before this returns.
    void set_text(QLineEdit* box, const std::string& text);
    void check_index(double& value, double replacement);

    MessageBox& box_;
    Tone& tone_;
    Launcher& launcher_;
    RasterSurface surface_;
    Simulation sim_;
    Authors authors_;
    std::map<QString, UnitRect> units_;
    int resize_passes_ = 0;
    // The layout pass's gaps, reset to 5 at the start of every pass.
    double gap_x = 5, gap_y = 5;

    QWidget* client_ = nullptr;
    PictureBox* Picture1 = nullptr;
    ShapeCircle* Shape1 = nullptr;
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr,
              *Text5 = nullptr, *Text6 = nullptr;
    QScrollBar *HScroll1 = nullptr, *VScroll1 = nullptr, *VScroll2 = nullptr;
    QPushButton* CmdOK = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr;
};

}  // namespace velantra
