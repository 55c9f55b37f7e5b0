#pragma once
// The main window on the Qt desktop: builds its widgets from the definitions, mirrors every
// change the logic tells it into them, and hands each user action to the logic. What is
// Qt's own stays here: widgets, fonts, focus, the caret, the accessibility names, the
// picture's back buffer (which the logic sizes) and the screen's device pixel ratio.

#include <QMainWindow>
#include <memory>
#include <vector>

#include "desktop/authors_window.h"
#include "surface/raster_surface.h"
#include "window/form1.h"

namespace velantra {

class PictureBox;

class Form1Window : public QMainWindow, public View {
  public:
    Form1Window(MessageBox& box, Tone& tone, Launcher& launcher, QWidget* parent = nullptr);
    ~Form1Window() override;

    Form1& form() { return *form_; }
    const RasterSurface& picture() const { return surface_; }
    PictureBox* picture_box() const;
    QtAuthorsWindow& authors() { return authors_; }

    // View.
    void changed(const Control& control, Aspect what) override;
    Frame frame() const override;
    void end_program() override;
    void description_changed(const std::string& text, bool announce) override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void define_controls();
    void define_menu();
    void define_focus_order();
    QWidget* widget_of(const Control& control) const;

    RasterSurface surface_;
    QtAuthorsWindow authors_;
    std::unique_ptr<Form1> form_;
    QWidget* client_ = nullptr;
    // The widget of each control, in the order of the logic's controls().
    std::vector<QWidget*> widgets_;
};

}  // namespace velantra
