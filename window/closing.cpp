// Form_Unload: every close request asks first; Yes ends the program, No changes nothing.

#include "model/catalogue.h"
#include "window/form1.h"

namespace velantra {

void Form1::Form_Unload(int& Cancel) {
    const Answer answer =
        platform_.box.show(tr("Вы абсолютно уверены?"), tr("На Выход"), Buttons::YesNo);
    if (answer != Answer::Yes) {
        Cancel = 1;
        return;
    }
    platform_.authors.close();
    view_.end_program();
}

bool Form1::close_requested() {
    int cancel = 0;
    Form_Unload(cancel);
    return cancel == 0;
}

}  // namespace velantra
