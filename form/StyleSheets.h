#ifndef STYLESHEETS_H
#define STYLESHEETS_H

// The window's look. The form gives its widgets the first group; the window
// ends with W1 in place of W0, E on the two entries, and S1 and S2 on the
// second stream's lists.
namespace StyleSheet {

inline constexpr char W0[] = "background-color : #FCFCFC;";
inline constexpr char G[] = "color : black;\nbackground: transparent;";
inline constexpr char C1[] = "background-color:#D8D8D8;\ncolor: black;\nborder : 0px;\n";
inline constexpr char C2[] = "background-color:#D8D8D8;\ncolor: black;\nborder : 0px;";
inline constexpr char B[] = "background-color:#D8D8D8;\ncolor: black;";
inline constexpr char K[] = "color: black;";
inline constexpr char N[] = "color: #FD5252;\nfont-weight: bold;\nfont-size: 13px;";

inline constexpr char W1[] =
    "QComboBox::drop-down{subcontrol-origin: padding; subcontrol-position: top right; width: 15px; "
    "border: 1px solid #9A9A9A;}QComboBox::down-arrow{image: url(:/images/arrow.png);}"
    "QPushButton{border: none;}QPushButton:hover{border: 1px solid #9A9A9A;}"
    "QGroupBox{border: 1px solid #9A9A9A;}";
inline constexpr char E[] =
    "QComboBox{background-color:#D8D8D8; border : 0px;} QComboBox QWidget{background-color:#D8D8D8; "
    "border: none;}QComboBox::drop-down{subcontrol-origin: padding; subcontrol-position: top right; "
    "width: 15px; border: 1px solid #9A9A9A;}QComboBox::down-arrow{image: url(:/images/arrow.png);}";
// Disabled second-stream boxes show an empty grey field.
inline constexpr char S1[] =
    "QComboBox:disabled{color:transparent;} QComboBox{background-color:#D8D8D8; border : 0px;} "
    "QComboBox QWidget{background-color:#D8D8D8; border: none;}";
inline constexpr char S2[] =
    "QComboBox:disabled{color:transparent;} QComboBox{background-color:#D8D8D8; border : 0px;} "
    "QComboBox QWidget{background-color:#D8D8D8; border: none; border-top-right-radius: 3px; "
    "border-bottom-right-radius: 3px;}";

} // namespace StyleSheet

#endif // STYLESHEETS_H
