// The words a user sees, one id each, in every language of the program. Each language has its
// own table, in its own file (words_en.cpp, words_ca.cpp, words_es.cpp), and each table is
// checked when it is compiled: it holds every id, in the order of the enum. A fourth language is
// one more such file and one more line in words.cpp's list of tables.
//
// Texts are Windows-1252 bytes, as the controls, message boxes and files take them. Numbers are
// not words: they are written with a point as decimal separator in every language.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

// The program's languages, by the index the dialog keeps (0 Catalan, 1 English, 2 Spanish).
constexpr int kCatalan = 0;
constexpr int kEnglish = 1;
constexpr int kSpanish = 2;
constexpr int kLanguageCount = 3;

enum class Word : unsigned short {
    // Parameter names in messages and in the report, by ParamId 1..7.
    ParamVo,
    ParamAngle,
    ParamVx,
    ParamVy0,
    ParamReach,
    ParamHeight,
    ParamTime,
    // Point field names in messages, k = 1..5.
    PointX,
    PointY,
    PointVy,
    PointSpeed,
    PointT,
    LaunchHeight,
    // Refusals of the given data.
    WrongValueCaption,
    WrongValueText,  // followed by the name of the field
    TooManyDataCaption,
    TooManyDataText,
    IndeterminateCaption,
    IndeterminateText,
    InsufficientDataCaption,
    InsufficientDataText,
    DataErrorsCaption,
    AngleOutOfRange,
    NotValidValue,  // after a parameter's name
    ComponentAboveSpeed,
    ReachAboveGroundBound,
    ReachAboveBound,
    HeightAboveGroundBound,
    HeightAboveBound,
    HeightBelowLaunch,
    TimeAboveGroundBound,
    TimeAboveBound,
    TimeBelowBound,
    // Cases without a solution.
    NoSolutionCaption,
    NeverReachesGround,
    VerticalLaunch,
    SpeedNotDetermined,
    DirectionsDisagree,
    MaximumBelowLaunch,
    NoLanding,
    ValuesTooLarge,
    NeverRises,
    NothingToDoCaption,
    NoMovement,
    // Refused point questions.
    PointAboveHeightCaption,
    PointAboveHeightText,
    PointBelowVxCaption,
    PointBelowVxText,
    PointNegativeSpeedCaption,
    PointNegativeSpeedText,
    PointNoHorizontalCaption,
    PointNoHorizontalText,
    PointOutOfRangeCaption,
    PointOutOfRangeText,
    // The main dialog.
    ParametersFrame,
    ParameterHeads,
    LabelVo,
    LabelAngle,
    LabelVx,
    LabelVy0,
    LabelReach,
    LabelHeight,
    LabelTime,
    AcceptButton,
    PointFrame,
    ExitButton,
    // The main menu.
    MenuFile,
    MenuSaveCase,
    MenuCopyCaseFile,
    MenuExportTable,
    MenuSavePictureFile,
    MenuExit,
    MenuTools,
    MenuToolsEdition,
    MenuInfo,
    MenuGuide,
    MenuAbout,
    MenuLanguage,
    LanguageCatalan,  // each language's name in its own words, the same in every table
    LanguageEnglish,
    LanguageSpanish,
    // The status line under the plot; %1, %2... stand for the numbers.
    StatusCase,
    StatusSteeper,
    StatusPoint,
    StatusScale,
    // The point panel's second solution.
    SecondX,
    SecondVy,
    SecondT,
    // Saving files.
    SaveNoTemporary,
    SaveNotWritten,
    SaveNotReplaced,
    SaveCaseCaption,
    ReportNotOpened,
    ReportNotWritten,
    ReportLeftDamaged,
    // The report's own lines.
    ReportHeading,
    ReportPoint,
    ReportDataMark,
    // The ways out.
    ExportPathTableCaption,
    PathTableTooLarge,
    CopyCaseCaption,
    ClipboardInUse,
    ClipboardFailed,
    SavePlotPictureCaption,
    PictureFailed,
    // The file dialogs: titles, file types and proposed names.
    AllFiles,
    CsvFiles,
    PngFiles,
    EmfFiles,
    PathTableName,
    PlotPictureName,
    BrowseToolTitle,
    // The user guide, a file beside the program.
    GuideFile,
    // The plot's menu.
    MenuPlay,
    MenuClearPaths,
    MenuCopyCase,
    MenuSavePicture,
    // Starting tools and documents.
    CannotStartCaption,
    StartFileNotFound,
    StartPathNotFound,
    StartAccessDenied,
    StartNotAProgram,
    StartNoAssociation,
    StartErrorNumber,  // followed by the system's number and a full stop
    NoDirectoryCaption,
    // The tool list and the Tools edition dialog.
    ToolsListCaption,
    ToolsListTooLong,
    ToolsEditionCaption,
    ToolsLabel,
    ToolGroup,
    ToolTitleLabel,
    ToolFileLabel,
    ToolDirectoryLabel,
    ToolParametersLabel,
    ToolsListFull,
    ToolFileNameNotKept,  // followed by the browsed path on its own line
    DeleteToolCaption,
    DeleteToolQuestion,  // followed by the tool's title in quotes and a question mark
    // The About window.
    AboutTitle,
    AboutPrefix,
    Interjection1,
    Interjection2,
    Interjection3,
    Interjection4,
    Interjection5,
    Interjection6,
    Interjection7,
    AboutWeb,
    AboutWebPath,  // appended to the maker's web address: the site's pages in the language
    AboutMail,
    AboutFailedCaption,
    AboutNotRegistered,
    AboutNotCreated,
    // Gravity and air: the worlds and the balls, by their index in kWorlds and kBalls, then
    // the choice of values typed in ("Other").
    WorldEarth,
    WorldMoon,
    WorldMars,
    WorldJupiter,
    WorldOther,
    BallBaseball,
    BallGolf,
    BallFootball,
    BallTennis,
    BallTableTennis,
    BallBasketball,
    BallShotPut,
    BallOther,
    // The conditions in the status line: %1 a world's name and %2 its g; a g typed in; then
    // one of the air's phrases (%1 a ball's name with a small first letter, or its values).
    ConditionsWorld,
    ConditionsGravity,
    ConditionsNoAir,
    ConditionsBallInAir,
    ConditionsOwnBallInAir,
    StatusOtherSpeed,  // the other launch of the same angle, by its speed
    // The report's lines of the conditions, names before their values.
    ReportGravity,
    ReportObject,
    ReportMass,
    ReportDiameter,
    ReportCd,
    ReportDensity,
    ReportDragConstant,
    ReportTerminalSpeed,
    // The dialog's line of k and the terminal speed.
    DragSummaryNoAir,
    DragSummaryNeedsValues,
    DragSummary,
    // Refusals in the air's own terms: %1 the initial speed, %2 the bound.
    AirReachAbove,
    AirHeightAbove,
    AirTimeAbove,
    AirTimeBelow,
    AirReachWithComponent,  // %1 the component's name (Vx, Voy), %2 its value, %3 the bound
    AirNotSettled,
    // Point questions beyond the integrated path: %1 the field, %2 and %3 its range.
    OutsidePathCaption,
    OutsidePathLength,
    OutsidePathSpeed,
    OutsidePathTime,
    BelowLeastSpeed,  // %1 the least speed of the flight
    // Conditions that cannot be flown.
    GravityNotAboveZero,
    MassNotAboveZero,
    DiameterNotAboveZero,
    CdNotAboveZero,
    DensityNotAboveZero,
    DragOutOfRange,
    // The "Gravity and air" dialog and its menu command.
    ConditionsTitle,
    MenuConditions,
    ConditionsWorldLabel,
    ConditionsGravityLabel,
    ConditionsAirBox,
    ConditionsBallLabel,
    ConditionsMassLabel,
    ConditionsDiameterLabel,
    ConditionsCdLabel,
    ConditionsDensityLabel,
    ConditionsOk,
    ConditionsCancel,
    Count  // not a word: the number of them
};

constexpr std::size_t kWordCount = static_cast<std::size_t>(Word::Count);

// The text of a word in a language (any index but 0..2 reads as English). Never null.
const char* Say(Word id, int language);
// The same with %1, %2... replaced by the pieces (numbers, names), in the order the words put
// them; a mark without its piece is left as it is.
std::string SayWith(Word id, int language, std::initializer_list<std::string> pieces);

// One language's table as it is written: entry i holds word i, with its id, so that the
// compiler can check the order.
struct WordText {
    Word id;
    const char* text;
};
using WordTable = std::array<WordText, kWordCount>;
// The texts alone, by id: what the program keeps of a table.
using WordTexts = std::array<const char*, kWordCount>;

// True when every entry stands at its own id's place. A table with a missing entry has a
// default one at its end (id 0, no text) and fails; so does one without a text.
constexpr bool IsCompleteTable(const WordTable& table) {
    for (std::size_t i = 0; i < kWordCount; ++i)
        if (table[i].id != static_cast<Word>(i)) return false;
    return true;
}
constexpr bool HasEveryText(const WordTable& table) {
    for (const WordText& entry : table)
        if (entry.text == nullptr) return false;
    return true;
}

constexpr WordTexts TextsOf(const WordTable& table) {
    WordTexts texts{};
    for (std::size_t i = 0; i < kWordCount; ++i) texts[i] = table[i].text;
    return texts;
}

// The tables, one per language.
extern const WordTexts kCatalanWords;
extern const WordTexts kEnglishWords;
extern const WordTexts kSpanishWords;
