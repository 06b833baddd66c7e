// The core's messages in English: one wording an entry, {1}, {2}... standing for its values.
#include "text/message.h"

namespace text {

std::string_view englishWording(MessageId id)
{
    switch (id) {
    // Pieces every message is composed of
    case MessageId::WhereReason: return "{1}: {2}";
    case MessageId::WhereInFileLine: return "{1}, line {2}";
    // Reading a data file
    case MessageId::FileTooLarge:
        return "the file is too large ({1}); a data file may hold at most {2} MiB ({3} bytes).";
    case MessageId::SizeInBytes: return "{1} bytes";
    case MessageId::FileGrewWhileRead: return "it grew while it was read";
    case MessageId::FileIsFolder: return "this is a folder, not a file.";
    case MessageId::KindDevice: return "a device";
    case MessageId::KindPipe: return "a pipe (FIFO)";
    case MessageId::KindSocket: return "a socket";
    case MessageId::KindSpecialFile: return "a special file";
    case MessageId::FileNotRegular: return "this is {1}, not a regular file; please pick a data file.";
    case MessageId::FileCannotBeOpened: return "the file cannot be opened ({1}).";
    case MessageId::FileCannotBeRead: return "the file cannot be read ({1}).";
    // Fields of a numeric data file
    case MessageId::CommaAfterLastField:
        return "{1}: a comma follows the last field of record {2}; a comma must be followed by a field on its line.";
    case MessageId::FieldEmpty: return "{1}: the field {2} of record {3} is not a number (found an empty field).";
    case MessageId::FieldNotANumber: return "{1}: the field {2} of record {3} is not a number (found {4}).";
    case MessageId::FieldTooLarge: return "{1}: the field {2} of record {3} is too large for a number (found {4}).";
    case MessageId::RecordCutShort:
        return "{1}: record {2} is cut short: the field {3} is missing at the end of the file.";
    // Writing a file
    case MessageId::CannotBeWritten: return "{1}: cannot be written ({2}).";
    case MessageId::LinkOfOtherUser:
        return "it is a symbolic link of another user (uid {1}) in a folder others may write to, and such a link is never followed; remove it or choose another name";
    case MessageId::NoFileName: return "no file name";
    case MessageId::TargetIsFolder: return "it is a folder";
    case MessageId::TargetNotRegular:
        return "it is not a regular file but a device, pipe or socket; only files are written";
    case MessageId::WriteNotStarted: return "it was not started";
    // Numbers typed in a box
    case MessageId::OutsideRange: return "{1} is outside the range {2} to {3}.";
    case MessageId::BoxEmpty: return "the box is empty; please type a number.";
    case MessageId::NotANumber: return "{1} is not a number.";
    // The system's reasons for a failed file operation (the English as the C library words them)
    case MessageId::SystemNoEntry: return "No such file or directory";
    case MessageId::SystemAccess: return "Permission denied";
    case MessageId::SystemPermission: return "Operation not permitted";
    case MessageId::SystemIsFolder: return "Is a directory";
    case MessageId::SystemNotFolder: return "Not a directory";
    case MessageId::SystemNameTooLong: return "File name too long";
    case MessageId::SystemLinkLoop: return "Too many levels of symbolic links";
    case MessageId::SystemNoSpace: return "No space left on device";
    case MessageId::SystemQuota: return "Disk quota exceeded";
    case MessageId::SystemReadOnly: return "Read-only file system";
    case MessageId::SystemInputOutput: return "Input/output error";
    case MessageId::SystemTooManyOpen: return "Too many open files";
    case MessageId::SystemTooManyOpenInSystem: return "Too many open files in system";
    case MessageId::SystemNoMemory: return "Cannot allocate memory";
    case MessageId::SystemBusy: return "Device or resource busy";
    case MessageId::SystemTextBusy: return "Text file busy";
    case MessageId::SystemFileTooLarge: return "File too large";
    case MessageId::SystemOther: return "{2}";
    // Star files
    case MessageId::FieldLambda: return "Lambda (longitude)";
    case MessageId::FieldPhi: return "Phi (latitude)";
    case MessageId::FieldVmag: return "Vmag (magnitude)";
    case MessageId::FieldColourIndex: return "B-V (colour index)";
    case MessageId::LatitudeOutside:
        return "{1}: the latitude Phi of star {2} is {3}, outside -90 to 90 degrees. A star file gives longitude first, then latitude, then magnitude: are the columns swapped?";
    case MessageId::StarFieldEmpty: return "{1}: the field {2} of star {3} is not a number (found an empty field).";
    case MessageId::StarFieldNotANumber: return "{1}: the field {2} of star {3} is not a number (found {4}).";
    case MessageId::StarFieldCount:
        return "{1}: star {2} has {3} fields; a star file that begins with the line \"lambda,phi,magnitude,bv\" gives each star on one line as longitude, latitude, magnitude and B-V (which may be empty).";
    case MessageId::TooManyStars: return "{1}: the file holds more stars than the program can count.";
    // The star size rule
    case MessageId::RatioPowerTooLarge:
        return "raised to the power {1} (faintest magnitude minus the star's magnitude) the common ratio {2} is too large to compute.";
    case MessageId::RatioPowerNotReal:
        return "raised to the power {1} (faintest magnitude minus the star's magnitude) the common ratio {2} has no real value.";
    case MessageId::StarTooBright:
        return "a star of magnitude {1} is brighter than any of the sky ({2}); its dot cannot be sized.";
    // Tables of the sky data (CSV)
    case MessageId::NotUtf8: return "{1}: the text is not valid UTF-8 (byte {2} at byte {3} of the line).";
    case MessageId::CsvColumn: return "{1}: field {2}";
    case MessageId::QuoteNotClosed: return "{1} opens a quote that is not closed on its line.";
    case MessageId::OnlyCommaAfterQuote: return "{1}: only a comma may follow a closing quote (found {2}).";
    case MessageId::QuoteOutsideQuotes:
        return "{1} holds a quote outside quotes (found {2}); write the field in quotes and double each quote in it.";
    case MessageId::HeaderExpected: return "{1}: the first line must be the header \"{2}\" (found {3}).";
    case MessageId::FieldCount: return "{1}: record {2} has {3} fields; {4} are expected ({5}).";
    case MessageId::CsvFileEmpty: return "{1}: the file is empty; its first line must be the header \"{2}\".";
    case MessageId::FolderNotFile: return "this is a folder, not a file.";
    case MessageId::OnlyFilesRead:
        return "this is not a regular file (a device, pipe or socket, say); only files are read.";
    case MessageId::FileOfBytesTooLarge: return "the file is {1} bytes; at most {2} bytes (64 MiB) are read.";
    case MessageId::FileOverBytes: return "the file is over {1} bytes; at most {1} bytes (64 MiB) are read.";
    case MessageId::FileUnreadable: return "the file cannot be read.";
    case MessageId::CsvField: return "{1}: the field {2} of record {3}";
    case MessageId::CsvFieldEmpty: return "{1} is not a number (found an empty field).";
    case MessageId::CsvFieldNotANumber: return "{1} is not a number (found {2}).";
    case MessageId::CsvFieldOutside: return "{1} must lie between {2} and {3} (found {4}).";
    case MessageId::CsvFieldNotWhole: return "{1} must be a whole number (found {2}).";
    case MessageId::CsvFieldNoName: return "{1} is empty; it must name something.";
    case MessageId::StarWithoutName: return "{1} and the field japanese are both empty; a named star needs a name.";
    // Constellation boundaries (parts) and figures (polylines)
    case MessageId::PartNotClosed: return "{1}: part {2} of {3} does not close: its last point must repeat its first.";
    case MessageId::PartEndsAfterOnePoint: return "{1}: part {2} of {3} ends after {4} point; it needs at least {5}.";
    case MessageId::PartEndsAfterPoints: return "{1}: part {2} of {3} ends after {4} points; it needs at least {5}.";
    case MessageId::LineEndsAfterOnePoint:
        return "{1}: polyline {2} of {3} ends after {4} point; it needs at least {5}.";
    case MessageId::LineEndsAfterPoints:
        return "{1}: polyline {2} of {3} ends after {4} points; it needs at least {5}.";
    case MessageId::PartNumberOutOfOrder:
        return "{1} must be {2}: the parts of {3} are numbered 1, 2, 3… in file order (found {4}).";
    case MessageId::LineNumberOutOfOrder:
        return "{1} must be {2}: the polylines of {3} are numbered 1, 2, 3… in file order (found {4}).";
    case MessageId::PartPointOutOfOrder:
        return "{1} must be 1, starting a new part, or the next point of the part on the record before (found {2}).";
    case MessageId::LinePointOutOfOrder:
        return "{1} must be 1, starting a new polyline, or the next point of the polyline on the record before (found {2}).";
    // Vertex and face files
    case MessageId::FieldCornerCount: return "CornerCount";
    case MessageId::FieldCorner: return "Corner {1}";
    case MessageId::ModelField: return "{1}: the field {2} of record {3}";
    case MessageId::ModelFieldNotWhole: return "{1} must be a whole number (found {2}).";
    case MessageId::ModelFieldOutsideShort: return "{1} is outside the range -32768 to 32767 (found {2}).";
    case MessageId::TooManyVertices: return "{1}: the file holds {2} vertices; at most {3} are allowed.";
    case MessageId::TooManyFaces: return "{1}: the file holds {2} faces; at most {3} are allowed.";
    case MessageId::CornerCountOutside: return "{1} must lie between 0 and {2} (found {3}).";
    // Drawing gores
    case MessageId::StarAt: return "{1}: star {2} ({3})";
    case MessageId::DotTooLarge:
        return "{1}: its dot is too large to draw; nothing was drawn. Please type a smaller magnification.";
    case MessageId::PlaceNotFinite: return "{1}: its place on the drawing is not a finite number; nothing was drawn.";
    case MessageId::GoreOutOfMemory: return "There is not enough memory to draw this gore.";
    case MessageId::LineCannotBePlaced:
        return "{1}° gives a line that cannot be placed on the drawing; nothing was drawn.";
    // Drawing faces
    case MessageId::FaceNumbered: return "face {1}";
    case MessageId::FaceTooFewCornersToCut: return "{1} has {2} corners; a face to cut out needs 3 or more.";
    case MessageId::FileNameHasSeparator:
        return "the file name {1} holds a path separator ({2}); please remove it from the boxes the name is made of.";
    case MessageId::FileNameHasNul: return "the file name {1} holds a NUL character.";
    // The program's data folder
    case MessageId::BundledFileMissing:
        return "the bundled file {1} is not in {2} (the program's data folder); reinstall the program or give a file of your own.";
    // The polyhedron globe
    case MessageId::CornerVertexMissing:
        return "{1}: corner {2} of face {3} is vertex {4}, but the vertex table holds vertices 1 to {5}.";
    case MessageId::VertexNotInTable: return "vertex {1} is not in the vertex table.";
    case MessageId::TheFaceTable: return "the face table";
    case MessageId::RadiusNotPositiveCm: return "{1} cm is not a radius; please type a radius greater than 0 cm.";
    case MessageId::NegativeStarSizes: return "{1} would give the stars negative sizes; please type 0 or more.";
    case MessageId::StarDotTooLargeRatio:
        return "a star of magnitude {1} gets a dot too large to draw; please type a smaller ratio.";
    // Bitmaps
    case MessageId::DrawingTooLargeForMemory:
        return "The drawing of {1} pixels is too large for this computer's memory.";
    case MessageId::BitmapCannotBeMade: return "{1}: the bitmap cannot be made (the drawing is too large).";
    // Checks of the gore and polyhedron tabs' numbers
    case MessageId::NoGoresToDraw:
        return "there are no gores to draw; please give 3 gores or more.";
    case MessageId::NoSuchGore:
        return "there is no gore {1} of {2}; please give 1 to {2} (or all).";
    case MessageId::GoresNumberedFromOne:
        return "the gores are numbered from 1; please give 1 to {1} (or all).";
    case MessageId::OneGoreTooFew:
        return "1 gore is too few to draw; the gores need at least 3 (n = 3 or more).";
    case MessageId::GoresTooFew:
        return "{1} gores are too few to draw; the gores need at least 3 (n = 3 or more).";
    case MessageId::GoreWidthOf:
        return "a gore drawing width of";
    case MessageId::GoreHeightOf:
        return "a gore drawing height of";
    case MessageId::GoreSideTooLarge:
        return "{1} with n = {2}: {3} {4} would be needed; the largest drawing is {5} a side.";
    case MessageId::PlateSideTooLarge:
        return "{1} with a boundary latitude of {2}°: a polar plate side of {3} would be needed; the largest drawing is {4} a side.";
    case MessageId::BoundaryLeavesNoCap:
        return "{1}° leaves no polar cap; please type a boundary latitude above 0°.";
    case MessageId::BoundaryLeavesNoPlate:
        return "{1}° leaves no room for a polar plate; please type a boundary latitude below 90°.";
    case MessageId::RangeOutsideAllowed:
        return "{1}° is outside the allowed range; please type an angle above 0 and below 90 degrees.";
    case MessageId::FaceRadiusNotPositive:
        return "{1} cm: the radius must be greater than 0 cm.";
    case MessageId::FaceCanvasTooLarge:
        return "{1} cm with a projection range of {2}° needs a canvas of {3} cm a side; at most {4} cm is allowed.";
    case MessageId::FaceMagnificationNegative:
        return "{1} must not be negative.";
    // The corners and dots of a face drawing
    case MessageId::NoFaceFileForOutline:
        return "no face file is loaded. Please load a face file, or clear both boxes to draw the stars only.";
    case MessageId::FaceFileHoldsFaces:
        return "the face file {1} holds {2} faces; please choose a face from 1 to {2}.";
    case MessageId::FaceCornerCountOutside:
        return "{1} has {2} corners; a face has 0 to {3}.";
    case MessageId::CornerOfFace:
        return "corner {1} of face {2} in {3}";
    case MessageId::CornerOfFaceStart:
        return "Corner {1} of face {2} in {3}";
    case MessageId::CornerNoVertexFile:
        return "{1} is vertex {2}, but no vertex file is loaded. Please load the vertex file first.";
    case MessageId::CornerBeyondVertices:
        return "{1} is vertex {2}, but the vertex file {3} holds vertices 1 to {4}.";
    case MessageId::CornerBehindTangentPoint:
        return "{1} (vertex {2}) lies 90 degrees or more from the tangent point {3}°, {4}° and cannot be projected onto its plane. Please check the tangent point.";
    case MessageId::FaceStarDotTooLarge:
        return "star {1} of {2} (magnitude {3}) gets a dot too large to draw.";
    case MessageId::PleaseSmallerRatio:
        return " Please type a smaller ratio.";
    case MessageId::PleaseFaintestInRange:
        return " Please type a faintest magnitude within the sky's range.";
    case MessageId::PleaseSmallerMagnification:
        return " Please type a smaller magnification.";
    // Glue tabs of a kit
    case MessageId::TabsPiecesGores:
        return "the gores ({1} mm wide at the equator)";
    case MessageId::TabsPiecesFace:
        return "face {1} ({2} mm across)";
    case MessageId::TabsWiderThanPieces:
        return "the {1} mm glue tabs are wider than {2}; please type a larger value or turn the glue tabs off.";
    case MessageId::Count: break;
    }
    return {};
}

} // namespace text
