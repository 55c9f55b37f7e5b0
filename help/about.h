#pragma once
// The About box and the Authors window.

#include <QPointer>
#include <QString>

#include "platform/message_box.h"

class QWidget;

namespace velantra {

class Form2;

// The twelve About lines joined by CR LF.
QString about_text();
// The six Authors lines joined by CR LF, lines 1 to 5 padded to 36 characters.
QString authors_text();

void mnuHelpAbout_Click(MessageBox& box);

// Owns the one Authors window: created on first use, again after the user closed it.
class Authors {
  public:
    ~Authors();
    // Fills Form2, centres it over form1 by the outer frame sizes, shows it modeless.
    void mnuHelpAvtors_Click(const QWidget& form1);
    // Closes Form2 if it is open (the program is ending).
    void close();
    QWidget* form2() const;

  private:
    QPointer<QWidget> form2_;
};

}  // namespace velantra
