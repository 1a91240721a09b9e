#include "app/core/WordTables.h"

namespace zorv {

const WordToolBarSpec& WordTables::basicTerms() {
    static const WordToolBarSpec spec{
        "Basic Terms", " Basic\n expressions: ", {{"small", "sm"}, {"medium", "me"}, {"big", "bi"}}};
    return spec;
}

const WordToolBarSpec& WordTables::signedBasicTerms() {
    static const WordToolBarSpec spec{"Signed basic terms",
                                      " Signed\n Basic\n expressions: ",
                                      {{"zero", "ze"},
                                       {"+small", "+sm"},
                                       {"+medium", "+me"},
                                       {"+big", "+bi"},
                                       {"+zero", "+ze"},
                                       {"-small", "-sm"},
                                       {"-medium", "-me"},
                                       {"-big", "-bi"},
                                       {"-zero", "-ze"}}};
    return spec;
}

const WordToolBarSpec& WordTables::modifiers() {
    static const WordToolBarSpec spec{"Modifiers",
                                      " Modifiers: ",
                                      {{"extremely", "ex"},
                                       {"significantly", "si"},
                                       {"very", "ve"},
                                       {"rather", "ra"},
                                       {"more or less", "ml"},
                                       {"roughly", "ro"},
                                       {"quite roughly", "qr"},
                                       {"very roughly", "vr"}}};
    return spec;
}

const WordToolBarSpec& WordTables::connectives() {
    static const WordToolBarSpec spec{"Connectives", " Connectives: ", {{"and", "and"}, {"or", "or"}}};
    return spec;
}

const WordToolBarSpec& WordTables::userTerms() {
    static const WordToolBarSpec spec{"User Terms", " User\n expressions: ", {}};
    return spec;
}

std::string WordTables::insertedWord(const std::string& caption) {
    for (const WordToolBarSpec* spec : {&basicTerms(), &signedBasicTerms(), &modifiers(), &connectives()}) {
        for (const WordButton& button : spec->buttons) {
            if (button.caption == caption) {
                return button.word;
            }
        }
    }
    return caption;
}

}  // namespace zorv
