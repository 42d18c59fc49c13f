#pragma once
// The invisible form that opens the maker's web pages and ends the process.

#include "platform/form.h"

namespace bv {

class Ghost : public platform::Form {
    Q_OBJECT
protected:
    void Form_Load() override;
};

}  // namespace bv
