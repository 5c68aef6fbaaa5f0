#pragma once
// The rates dialog: the fixed rates of the eleven national currencies, as
// texts stored in its layout; nothing in it can be edited.
#include "platform/ui/Form.h"

namespace tresilva {

class Ttaux : public TForm {
public:
    explicit Ttaux(TComponent* owner);

    // Leaves only the close box on the title bar.
    void FormCreate(TObject* sender);
};

extern Ttaux* taux;

}  // namespace tresilva
