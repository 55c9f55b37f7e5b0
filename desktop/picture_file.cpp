#include "desktop/picture_file.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "desktop/picture_box.h"
#include "model/catalogue.h"
#include "surface/null_surface.h"
#include "surface/painter_surface.h"
#include "window/accessible.h"
#include "window/definition.h"
#include "window/form1.h"

namespace velantra {

namespace {

void not_written(const std::string& file) {
    std::fprintf(stderr, "velantra: %s\n",
                 fill(tr("не удалось записать {file}"), {{"file", file}}).c_str());
}

// No window: nothing is shown, and nothing of the window system is asked for.
class NoView : public View {
  public:
    void changed(const Control&, Aspect) override {}
    Frame frame() const override { return {}; }
    void end_program() override {}
};

// The messages a scene can bring (the index rule, a run's information) are told on standard
// error, unless another pass over the same scene tells them, and answered as their only button
// would be.
class ErrorStreamBox : public MessageBox {
  public:
    bool tell = true;
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        if (tell) std::fprintf(stderr, "velantra: %s: %s\n", title.c_str(), text.c_str());
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

class Silent : public Tone, public Launcher, public AuthorsWindow {
  public:
    void play(int, std::int32_t) override {}
    void open_document(const std::string&) override {}
    bool program_exists(const std::string&) const override { return false; }
    void start_detached(const std::string&, const std::vector<std::string>&) override {}
    bool exists() const override { return false; }
    void create() override {}
    void set_label1(const std::string&) override {}
    bool visible() const override { return false; }
    void show() override {}
    Frame frame() const override { return {}; }
    void move(int, int) override {}
    void raise() override {}
    void close() override {}
};

// Form1 with no window around it, laid out so that Picture1 is `width` pixels wide.
struct WindowlessForm1 {
    explicit WindowlessForm1(PictureSurface& picture)
        : form(picture, view, Platform{box, silent, silent, silent}) {}
    NoView view;
    ErrorStreamBox box;
    Silent silent;
    Form1 form;
};

// Picture1's buffer for a file: the file keeps its size whatever the layout asks, and the
// drawing is handed on only once armed, since the passes that set the scene up are drawn over
// by the last one and only what the picture finally shows belongs in the file. The pen, the
// scale and the current position always follow, so the armed calls find them as the window does.
class ArmedSurface : public PictureSurface {
  public:
    explicit ArmedSurface(PictureSurface& out) : out_(out) {}
    bool armed = false;

    void resize(int, int, double) override {}
    void set_look(Colour back, Colour fore, const FontDef& font) override {
        out_.set_look(back, fore, font);
    }
    void Scale(float x1, float y1, float x2, float y2) override { out_.Scale(x1, y1, x2, y2); }
    void Cls() override {
        if (armed) out_.Cls();
    }
    void Line(float x1, float y1, float x2, float y2, Colour colour) override {
        if (armed) out_.Line(x1, y1, x2, y2, colour);
    }
    void Box(float x1, float y1, float x2, float y2, Colour colour) override {
        if (armed) out_.Box(x1, y1, x2, y2, colour);
    }
    void PSet(float x, float y) override {
        if (armed) {
            out_.PSet(x, y);
        } else {
            out_.setCurrentX(x);
            out_.setCurrentY(y);
        }
    }
    void Circle(float x, float y, float radius, Colour colour) override {
        if (armed) out_.Circle(x, y, radius, colour);
    }
    int DrawWidth() const override { return out_.DrawWidth(); }
    void setDrawWidth(int pixels) override { out_.setDrawWidth(pixels); }
    void setCurrentX(float x) override { out_.setCurrentX(x); }
    void setCurrentY(float y) override { out_.setCurrentY(y); }
    void Print(const std::string& text) override {
        if (armed) out_.Print(text);
    }

  private:
    PictureSurface& out_;
};

// A painter over a file's page, looking as Picture1 does.
class FileSurface : public PainterSurface, public PictureSurface {
  public:
    FileSurface(QPainter& painter, PictureSize size)
        : PainterSurface(painter, QRectF(0, 0, size.width, size.height)) {}
    void resize(int, int, double) override {}
    void set_look(Colour back, Colour fore, const FontDef& font) override {
        set_colours(back, fore);
        // A file names the face the font resolved to here, which its reader may have too.
        QFont qfont = font_of(font);
        qfont.setFamily(QFontInfo(qfont).family());
        setFont(qfont);
    }
};

// The picture drawn into a painter over the whole `size`.
void paint(QPainter& painter, const CommandLine& line, PictureSize size) {
    FileSurface surface(painter, size);
    const StartMarker marker = draw_picture(line, size, surface);
    const PixelRect& b = marker.box;
    if (marker.look) paint_shape(painter, *marker.look, QRectF(b.left, b.top, b.width, b.height));
}

}  // namespace

PictureSize default_picture_size() {
    NullSurface none;
    WindowlessForm1 w(none);
    w.form.client_resized(kForm1.client_width, kForm1.client_height);
    return {w.form.Picture1.pixels().width, w.form.Picture1.pixels().height};
}

namespace {

// The picture drawn into `out`, and in words; `tell`: the messages on standard error.
StartMarker drawn(const CommandLine& line, PictureSize size, PictureSurface& out, bool tell,
                  PictureWords* words) {
    ArmedSurface armed(out);
    WindowlessForm1 w(armed);
    w.box.tell = tell;
    // The column and the bars beside the picture keep their widths at any window width.
    w.form.client_resized(kForm1.client_width, kForm1.client_height);
    const int beside = kForm1.client_width - w.form.Picture1.pixels().width;
    w.form.client_resized(size.width + beside, kForm1.client_height);
    PreparedScene scene = line.scene;
    const bool run = scene.value("run").has_value();
    scene.forget("run");
    prepare_scene(w.form, w.box, scene);
    armed.armed = true;
    w.form.Form_Resize();
    if (run) w.form.CmdOK_Click();
    if (words != nullptr) *words = {accessible(w.form.Picture1).name, w.form.description()};
    if (!w.form.Shape1.visible()) return {};
    // The file may be of another height than the window's picture: the marker keeps its size
    // and its centre stays on the start point.
    const PixelRect& picture = w.form.Picture1.pixels();
    PixelRect shape = w.form.Shape1.pixels();
    const auto across = [](int at, int extent, int from, int to) {
        return from == 0
                   ? at
                   : static_cast<int>(std::lround((at + extent / 2.0) * to / from - extent / 2.0));
    };
    shape.left = across(shape.left, shape.width, picture.width, size.width);
    shape.top = across(shape.top, shape.height, picture.height, size.height);
    return {shape, &w.form.Shape1.def().shape};
}

}  // namespace

StartMarker draw_picture(const CommandLine& line, PictureSize size, PictureSurface& out) {
    return drawn(line, size, out, true, nullptr);
}

PictureWords picture_words(const CommandLine& line, bool tell) {
    NullSurface none;
    PictureWords words;
    drawn(line, default_picture_size(), none, tell, &words);
    return words;
}

bool write_picture(const CommandLine& line) {
    PictureSize size{line.width, line.height};
    if (size.width == 0) size = default_picture_size();
    const QString file = QString::fromLocal8Bit(line.picture.c_str());
    // The file says in words what it shows; the drawing pass tells the messages.
    const PictureWords said = picture_words(line, false);
    const QString name = QString::fromStdString(said.name);
    const QString words = QString::fromStdString(said.description);
    if (line.format == PictureFormat::Svg) {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(size.width, size.height));
        svg.setViewBox(QRect(0, 0, size.width, size.height));
        svg.setResolution(96);  // a picture pixel is a CSS pixel
        // Qt writes the two as they are given, not as XML text.
        svg.setTitle(name.toHtmlEscaped());
        svg.setDescription(words.toHtmlEscaped());
        QPainter painter;
        if (!painter.begin(&svg)) {
            not_written(line.picture);
            return false;
        }
        paint(painter, line, size);
        return painter.end();
    }
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, line, size);
    }
    image.setText(QStringLiteral("Title"), name);
    image.setText(QStringLiteral("Description"), words);
    if (!image.save(file, "PNG")) {
        not_written(line.picture);
        return false;
    }
    return true;
}

}  // namespace velantra
