#pragma once
// Form1 and Form2 on the page: the elements are made from the definitions and the logic's
// first state, every change the logic tells is mirrored into its element, and the page's
// script hands the user's actions back in (main.cpp's exported functions).

#include "help/about.h"
#include "window/form1.h"

namespace velantra {

class PageView : public View {
  public:
    // Makes Form1's elements, its menu bar and its keyboard order on the page.
    void build(const Form1& form);

    void changed(const Control& control, Aspect what) override;
    Frame frame() const override;
    void end_program() override;
    void description_changed(const std::string& text, bool announce) override;

  private:
    bool built_ = false;
};

class PageAuthorsWindow : public AuthorsWindow {
  public:
    bool exists() const override;
    void create() override;
    void set_label1(const std::string& utf8) override;
    bool visible() const override;
    void show() override;
    Frame frame() const override;
    void move(int left, int top) override;
    void raise() override;
    void close() override;
};

}  // namespace velantra
