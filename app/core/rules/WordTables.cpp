#include "app/core/rules/WordTables.h"

namespace zorv {

const WordToolBarTable& WordTables::basicTerms() {
    static const WordToolBarTable table{
        "Basic Terms", " Basic\n expressions: ", {{"small", "sm"}, {"medium", "me"}, {"big", "bi"}}};
    return table;
}

const WordToolBarTable& WordTables::signedBasicTerms() {
    static const WordToolBarTable table{"Signed basic terms",
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
    return table;
}

const WordToolBarTable& WordTables::modifiers() {
    static const WordToolBarTable table{"Modifiers",
                                      " Modifiers: ",
                                      {{"extremely", "ex"},
                                       {"significantly", "si"},
                                       {"very", "ve"},
                                       {"rather", "ra"},
                                       {"more or less", "ml"},
                                       {"roughly", "ro"},
                                       {"quite roughly", "qr"},
                                       {"very roughly", "vr"}}};
    return table;
}

const WordToolBarTable& WordTables::connectives() {
    static const WordToolBarTable table{"Connectives", " Connectives: ", {{"and", "and"}, {"or", "or"}}};
    return table;
}

const WordToolBarTable& WordTables::userTerms() {
    static const WordToolBarTable table{"User Terms", " User\n expressions: ", {}};
    return table;
}

std::string WordTables::insertedWord(const std::string& caption) {
    for (const WordToolBarTable* table : {&basicTerms(), &signedBasicTerms(), &modifiers(), &connectives()}) {
        for (const WordButton& button : table->buttons) {
            if (button.caption == caption) {
                return button.word;
            }
        }
    }
    return caption;
}

}  // namespace zorv
