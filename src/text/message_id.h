#pragma once

namespace text {

/// The entries of the message catalogue: each one a sentence or a phrase, worded once a language
/// (messages_en.cpp, messages_ja.cpp, messages_es.cpp) with numbered placeholders for its values.
enum class MessageId {
    // Pieces every message is composed of
    WhereReason,  ///< a place (a file, a line, a box) and what is wrong there
    WhereInFileLine,  ///< a line of a file
    // Reading a data file
    FileTooLarge,
    SizeInBytes,
    FileGrewWhileRead,
    FileIsFolder,
    KindDevice,
    KindPipe,
    KindSocket,
    KindSpecialFile,
    FileNotRegular,
    FileCannotBeOpened,
    FileCannotBeRead,
    // Fields of a numeric data file
    CommaAfterLastField,
    FieldEmpty,
    FieldNotANumber,
    FieldTooLarge,
    RecordCutShort,
    // Writing a file
    CannotBeWritten,
    LinkOfOtherUser,
    NoFileName,
    TargetIsFolder,
    TargetNotRegular,
    WriteNotStarted,
    // Numbers typed in a box
    OutsideRange,
    BoxEmpty,
    NotANumber,
    // The system's reasons for a failed file operation (the English as the C library words them)
    SystemNoEntry,
    SystemAccess,
    SystemPermission,
    SystemIsFolder,
    SystemNotFolder,
    SystemNameTooLong,
    SystemLinkLoop,
    SystemNoSpace,
    SystemQuota,
    SystemReadOnly,
    SystemInputOutput,
    SystemTooManyOpen,
    SystemTooManyOpenInSystem,
    SystemNoMemory,
    SystemBusy,
    SystemTextBusy,
    SystemFileTooLarge,
    SystemOther,  ///< any other system error: its number, then the system's own words
    // Star files
    FieldLambda,
    FieldPhi,
    FieldVmag,
    FieldColourIndex,
    LatitudeOutside,
    StarFieldEmpty,
    StarFieldNotANumber,
    StarFieldCount,
    TooManyStars,
    // The star size rule
    RatioPowerTooLarge,
    RatioPowerNotReal,
    StarTooBright,
    // Tables of the sky data (CSV)
    NotUtf8,
    CsvColumn,  ///< a field of a line, by its column
    QuoteNotClosed,
    OnlyCommaAfterQuote,
    QuoteOutsideQuotes,
    HeaderExpected,
    FieldCount,
    CsvFileEmpty,
    FolderNotFile,
    OnlyFilesRead,
    FileOfBytesTooLarge,
    FileOverBytes,
    FileUnreadable,
    CsvField,  ///< a field of a record, by its column name
    CsvFieldEmpty,
    CsvFieldNotANumber,
    CsvFieldOutside,
    CsvFieldNotWhole,
    CsvFieldNoName,
    StarWithoutName,
    // Constellation boundaries (parts) and figures (polylines)
    PartNotClosed,
    PartEndsAfterOnePoint,
    PartEndsAfterPoints,
    LineEndsAfterOnePoint,
    LineEndsAfterPoints,
    PartNumberOutOfOrder,
    LineNumberOutOfOrder,
    PartPointOutOfOrder,
    LinePointOutOfOrder,
    // Vertex and face files
    FieldCornerCount,
    FieldCorner,
    ModelField,
    ModelFieldNotWhole,
    ModelFieldOutsideShort,
    TooManyVertices,
    TooManyFaces,
    CornerCountOutside,
    // Drawing gores
    StarAt,  ///< a star of a star file: the file, its place in it, its values
    DotTooLarge,
    PlaceNotFinite,
    GoreOutOfMemory,
    LineCannotBePlaced,
    // Drawing faces
    FaceNumbered,
    FaceTooFewCornersToCut,
    FileNameHasSeparator,
    FileNameHasNul,
    // The program's data folder
    BundledFileMissing,
    // The polyhedron globe
    CornerVertexMissing,
    VertexNotInTable,
    TheFaceTable,  ///< a face table read from no file
    RadiusNotPositiveCm,
    NegativeStarSizes,
    StarDotTooLargeRatio,
    // Bitmaps
    DrawingTooLargeForMemory,
    BitmapCannotBeMade,
    // Checks of the gore and polyhedron tabs' numbers
    NoGoresToDraw,
    NoSuchGore,
    GoresNumberedFromOne,
    OneGoreTooFew,
    GoresTooFew,
    GoreWidthOf,
    GoreHeightOf,
    GoreSideTooLarge,
    PlateSideTooLarge,
    BoundaryLeavesNoCap,
    BoundaryLeavesNoPlate,
    RangeOutsideAllowed,
    FaceRadiusNotPositive,
    FaceCanvasTooLarge,
    FaceMagnificationNegative,
    // The corners and dots of a face drawing
    NoFaceFileForOutline,
    FaceFileHoldsFaces,
    FaceCornerCountOutside,
    CornerOfFace,
    CornerOfFaceStart,
    CornerNoVertexFile,
    CornerBeyondVertices,
    CornerBehindTangentPoint,
    FaceStarDotTooLarge,
    PleaseSmallerRatio,
    PleaseFaintestInRange,
    PleaseSmallerMagnification,
    // Glue tabs of a kit
    TabsPiecesGores,
    TabsPiecesFace,
    TabsWiderThanPieces,
    Count ///< the number of entries, no entry itself
};

} // namespace text
