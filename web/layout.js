// The window's layout table, as the desktop window lays out its client area: stored name, kind,
// caption, and left, top, width and height in twips (15 to the pixel at 96 dpi). A node test
// holds it against the desktop window's own table, so the two cannot drift apart.

export const ClientWidth = 7065;
export const ClientHeight = 4620;

// The captions are the desktop window's source texts: the page translates them as it does.
export const Layout = [
    ["Label1", "Label", "Name:", 120, 60, 1140, 240],
    ["rtb", "Editor", "Player", 105, 330, 3060, 330],
    ["Command1", "Button", "&Black", 120, 705, 930, 330],
    ["Command2", "Button", "&Red", 1035, 705, 930, 330],
    ["Command19", "Button", "Q3 Font", 2160, 705, 975, 330],
    ["Command4", "Button", "&Green", 120, 1020, 930, 330],
    ["Command5", "Button", "&Yellow", 1035, 1020, 930, 330],
    ["Command21", "Button", "Alt. Font", 2160, 1020, 975, 330],
    ["Command3", "Button", "&Blue", 120, 1335, 930, 330],
    ["Command7", "Button", "&Cyan", 1035, 1335, 930, 330],
    ["Command6", "Button", "&Magenta", 120, 1650, 930, 330],
    ["Command8", "Button", "&White", 1035, 1650, 930, 330],
    ["Label5", "Label", "Server name:", 120, 2055, 1140, 240],
    ["rtb2", "Editor", "noname", 105, 2325, 3060, 330],
    ["Command18", "Button", "&Black", 120, 2700, 930, 330],
    ["Command17", "Button", "&Red", 1035, 2700, 930, 330],
    ["Command20", "Button", "Q3 Font", 2160, 2715, 975, 330],
    ["Command16", "Button", "&Green", 120, 3015, 930, 330],
    ["Command15", "Button", "&Yellow", 1035, 3015, 930, 330],
    ["Command22", "Button", "Alt. Font", 2160, 3030, 975, 330],
    ["Command14", "Button", "&Blue", 120, 3330, 930, 330],
    ["Command12", "Button", "&Cyan", 1035, 3330, 930, 330],
    ["Command13", "Button", "&Magenta", 120, 3645, 930, 330],
    ["Command11", "Button", "&White", 1035, 3645, 930, 330],
    ["Frame3", "HorizontalDivider", "", 90, 4065, 3225, 30],
    ["Command9", "Button", "&Show code", 1035, 4170, 1080, 345],
    ["Command10", "Button", "&Exit", 2205, 4170, 1080, 345],
    ["Frame1", "VerticalDivider", "", 3360, -45, 45, 4620],
    ["Label2", "BoldLabel", "Instructions:", 3510, 60, 1140, 240],
    ["Label3", "Label", "Instructions", 3495, 270, 3420, 1440],
    ["Label4", "Label", "", 3480, 3900, 3420, 615],
    ["Label6", "BoldLabel", "In game:", 3510, 1755, 1140, 240],
    ["Preview1", "Preview", "", 3495, 1995, 3420, 1065],
    ["Budget1", "Budget", "", 3495, 3075, 3420, 390],
    ["Command23", "Button", "&Load from q3config.cfg...", 3495, 3510, 2400, 345],
    ["Budget2", "FileBudget", "", 5940, 3510, 975, 345],
];

// Which editor, and which colour (a palette index) or font flag each style button applies.
export const StyleButtons = [
    ["Command1", "rtb", "color", 0], ["Command2", "rtb", "color", 1],
    ["Command3", "rtb", "color", 4], ["Command4", "rtb", "color", 2],
    ["Command5", "rtb", "color", 3], ["Command6", "rtb", "color", 6],
    ["Command7", "rtb", "color", 5], ["Command8", "rtb", "color", 7],
    ["Command19", "rtb", "font", true], ["Command21", "rtb", "font", false],
    ["Command18", "rtb2", "color", 0], ["Command17", "rtb2", "color", 1],
    ["Command14", "rtb2", "color", 4], ["Command16", "rtb2", "color", 2],
    ["Command15", "rtb2", "color", 3], ["Command13", "rtb2", "color", 6],
    ["Command12", "rtb2", "color", 5], ["Command11", "rtb2", "color", 7],
    ["Command20", "rtb2", "font", true], ["Command22", "rtb2", "font", false],
];

// The window's focus order: the player name's editor and its colour buttons in the order of the
// palette's digits, Show code, the server name's colour buttons in reverse, its editor, then the
// four font buttons.
export const TabOrder = [
    "rtb", "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
    "Command8", "Command9", "Command10", "Command11", "Command12", "Command13", "Command14",
    "Command15", "Command16", "Command17", "Command18", "rtb2", "Command19", "Command21",
    "Command20", "Command22",
];
