#pragma once

#include <string>
#include <vector>

namespace zorv {

// A button of a word toolbar: its caption and the text it inserts into the rule cell.
struct WordButton {
    std::string caption;
    std::string word;
};

// A word toolbar: its window caption, the label at its start and its buttons.
struct WordToolBarTable {
    std::string caption;
    std::string label;
    std::vector<WordButton> buttons;
};

// The evaluative words offered by the main window's word toolbars.
class WordTables {
public:
    static const WordToolBarTable& basicTerms();
    static const WordToolBarTable& signedBasicTerms();
    static const WordToolBarTable& modifiers();
    static const WordToolBarTable& connectives();
    // No fixed buttons: they follow the user terms of the selected rule column.
    static const WordToolBarTable& userTerms();

    // The word a button inserts: its short form from the tables above; any other caption as written.
    static std::string insertedWord(const std::string& caption);
    // A word button is as wide as its caption plus this margin.
    static constexpr int kButtonMargin = 7;
};

}  // namespace zorv
