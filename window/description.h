#pragma once
// The picture in words, for a student who cannot see it: before a run the two media and the
// start, after ПУСК the path leg by leg as the run's events told it, with the figures the
// result lines print.

#include <string>
#include <utility>
#include <vector>

#include "model/run_events.h"
#include "model/scene.h"

namespace velantra {

class Description : public RunEvents {
  public:
    // The user's decimal separator, as the result lines use it.
    explicit Description(std::string separator) : separator_(std::move(separator)) {}

    // What the picture shows before a run: at most two sentences.
    std::string scene(const Scene& s) const;
    // The latest run, at most six sentences.
    std::string run() const;

    // A message the run showed, told where it came.
    void message(const std::string& text);

    void run_started() override;
    void no_run() override;
    void boundary_met(double x, bool from_above, const std::string& beta) override;
    void vertex_found(double x, double y, const std::string& x_text,
                      const std::string& y_text) override;
    void crossings_found(double x1, double x2, const std::string& x1_text,
                         const std::string& x2_text) override;
    void ray_ended(double x1, double y1, double x2, double y2) override;
    void boundary_returned(double x) override;

  private:
    // A place on the boundary, "X = 2.10", marked when it lies beyond the picture's sides.
    std::string on_boundary(const char* name, double x, const std::string& text) const;
    void flush();

    std::string separator_;
    std::vector<std::string> sentences_;
    // The path came back to the boundary: said unless the ray goes on through it.
    std::string pending_;
};

}  // namespace velantra
