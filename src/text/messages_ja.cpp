// The core's messages in Japanese: one wording an entry, {1}, {2}... standing for its values.
#include "text/message.h"

namespace text {

std::string_view japaneseWording(MessageId id)
{
    switch (id) {
    // Pieces every message is composed of
    case MessageId::WhereReason: return "{1}: {2}";
    case MessageId::WhereInFileLine: return "{1} の {2} 行目";
    // Reading a data file
    case MessageId::FileTooLarge: return "ファイルが大きすぎます（{1}）。データファイルは {2} MiB（{3} バイト）までです。";
    case MessageId::SizeInBytes: return "{1} バイト";
    case MessageId::FileGrewWhileRead: return "読んでいる間に大きくなりました";
    case MessageId::FileIsFolder: return "これはフォルダです。ファイルを選んでください。";
    case MessageId::KindDevice: return "デバイス";
    case MessageId::KindPipe: return "パイプ（FIFO）";
    case MessageId::KindSocket: return "ソケット";
    case MessageId::KindSpecialFile: return "特殊なファイル";
    case MessageId::FileNotRegular: return "これは{1}で、通常のファイルではありません。データファイルを選んでください。";
    case MessageId::FileCannotBeOpened: return "ファイルを開けません（{1}）。";
    case MessageId::FileCannotBeRead: return "ファイルを読めません（{1}）。";
    // Fields of a numeric data file
    case MessageId::CommaAfterLastField: return "{1}: {2} 件目の最後の欄のあとにコンマがあります。コンマのあとには同じ行に欄が必要です。";
    case MessageId::FieldEmpty: return "{1}: {3} 件目の「{2}」が空です。数が必要です。";
    case MessageId::FieldNotANumber: return "{1}: {3} 件目の「{2}」が数ではありません（{4} とあります）。";
    case MessageId::FieldTooLarge: return "{1}: {3} 件目の「{2}」が数として大きすぎます（{4} とあります）。";
    case MessageId::RecordCutShort: return "{1}: {2} 件目が途中で終わっています。ファイルの終わりに「{3}」がありません。";
    // Writing a file
    case MessageId::CannotBeWritten: return "{1}: 書き込めません（{2}）。";
    case MessageId::LinkOfOtherUser:
        return "ほかのユーザー（uid {1}）のシンボリックリンクで、誰でも書き込めるフォルダにあります。このようなリンクはたどりません。リンクを消すか、別の名前にしてください";
    case MessageId::NoFileName: return "ファイル名がありません";
    case MessageId::TargetIsFolder: return "同じ名前のフォルダがあります";
    case MessageId::TargetNotRegular: return "デバイス、パイプ、ソケットなどで、通常のファイルではありません。書き込めるのはファイルだけです";
    case MessageId::WriteNotStarted: return "書き出しが始まっていません";
    // Numbers typed in a box
    case MessageId::OutsideRange: return "{1} は {2} から {3} までの範囲の外です。";
    case MessageId::BoxEmpty: return "空欄です。数を入力してください。";
    case MessageId::NotANumber: return "{1} は数ではありません。数を入力してください。";
    // The system's reasons for a failed file operation (the English as the C library words them)
    case MessageId::SystemNoEntry: return "ファイルまたはフォルダがありません";
    case MessageId::SystemAccess: return "アクセスが許可されていません";
    case MessageId::SystemPermission: return "アクセスが許可されていません";
    case MessageId::SystemIsFolder: return "同じ名前のフォルダがあります";
    case MessageId::SystemNotFolder: return "パスの途中にフォルダでないものがあります";
    case MessageId::SystemNameTooLong: return "名前が長すぎます";
    case MessageId::SystemLinkLoop: return "シンボリックリンクが循環しています";
    case MessageId::SystemNoSpace: return "ディスクに空きがありません";
    case MessageId::SystemQuota: return "ディスクの使用量の上限を超えています";
    case MessageId::SystemReadOnly: return "読み取り専用のファイルシステムです";
    case MessageId::SystemInputOutput: return "入出力エラーが起きました";
    case MessageId::SystemTooManyOpen: return "開いているファイルが多すぎます";
    case MessageId::SystemTooManyOpenInSystem: return "開いているファイルが多すぎます";
    case MessageId::SystemNoMemory: return "メモリが足りません";
    case MessageId::SystemBusy: return "ほかのプログラムが使用中です";
    case MessageId::SystemTextBusy: return "ほかのプログラムが使用中です";
    case MessageId::SystemFileTooLarge: return "ファイルが大きすぎます";
    case MessageId::SystemOther: return "システムのエラー番号 {1}";
    // Star files
    case MessageId::FieldLambda: return "経度λ";
    case MessageId::FieldPhi: return "緯度φ";
    case MessageId::FieldVmag: return "等級Vmag";
    case MessageId::FieldColourIndex: return "色指数B-V";
    case MessageId::LatitudeOutside:
        return "{1}: {2} 番目の星の緯度φが {3} で、-90° から 90° までの範囲の外です。恒星データは経度、緯度、等級の順に並べます。列が入れ替わっていませんか？";
    case MessageId::StarFieldEmpty: return "{1}: {3} 番目の星の「{2}」が数ではありません（an empty field とあります）。";
    case MessageId::StarFieldNotANumber: return "{1}: {3} 番目の星の「{2}」が数ではありません（{4} とあります）。";
    case MessageId::StarFieldCount:
        return "{1}: {2} 番目の星の欄が {3} 個あります。1 行目が「lambda,phi,magnitude,bv」の恒星データは、1 行に 1 つの星を経度、緯度、等級、B-V（空でもよい）の順に書きます。";
    case MessageId::TooManyStars: return "{1}: 星の数が、このプログラムの数えられる上限を超えています。";
    // The star size rule
    case MessageId::RatioPowerTooLarge: return "公比 {2} を {1} 乗（最微等級と星の等級の差）すると大きすぎて計算できません。";
    case MessageId::RatioPowerNotReal: return "公比 {2} を {1} 乗（最微等級と星の等級の差）すると実数になりません。";
    case MessageId::StarTooBright: return "等級 {1} の星は空のどの星（{2}）よりも明るく、大きさを決められません。";
    // Tables of the sky data (CSV)
    case MessageId::NotUtf8: return "{1}: 文字が UTF-8 として正しくありません（行の {3} バイト目が {2}）。";
    case MessageId::CsvColumn: return "{1}: {2} 番目の欄";
    case MessageId::QuoteNotClosed: return "{1}の引用符が同じ行で閉じていません。";
    case MessageId::OnlyCommaAfterQuote: return "{1}: 閉じる引用符のあとにはコンマしか置けません（{2} とあります）。";
    case MessageId::QuoteOutsideQuotes: return "{1}で、引用符の外に引用符があります（{2} とあります）。欄を引用符で囲み、中の引用符は二つ重ねてください。";
    case MessageId::HeaderExpected: return "{1}: 最初の行は見出し \"{2}\" でなければなりません（{3} とあります）。";
    case MessageId::FieldCount: return "{1}: {2} 件目の欄が {3} 個あります。欄は {4} 個（{5}）のはずです。";
    case MessageId::CsvFileEmpty: return "{1}: ファイルが空です。最初の行は見出し \"{2}\" でなければなりません。";
    case MessageId::FolderNotFile: return "これはフォルダです。ファイルではありません。";
    case MessageId::OnlyFilesRead: return "これは通常のファイルではありません（デバイス、パイプ、ソケットなど）。読めるのはファイルだけです。";
    case MessageId::FileOfBytesTooLarge: return "ファイルが {1} バイトあります。読めるのは {2} バイト（64 MiB）までです。";
    case MessageId::FileOverBytes: return "ファイルが {1} バイトを超えています。読めるのは {1} バイト（64 MiB）までです。";
    case MessageId::FileUnreadable: return "ファイルを読めません。";
    case MessageId::CsvField: return "{1}: {3} 件目の欄 {2}";
    case MessageId::CsvFieldEmpty: return "{1} が空です。数が必要です。";
    case MessageId::CsvFieldNotANumber: return "{1} が数ではありません（{2} とあります）。";
    case MessageId::CsvFieldOutside: return "{1} は {2} から {3} まででなければなりません（{4} とあります）。";
    case MessageId::CsvFieldNotWhole: return "{1} は整数でなければなりません（{2} とあります）。";
    case MessageId::CsvFieldNoName: return "{1} が空です。名前が必要です。";
    case MessageId::StarWithoutName: return "{1} も欄 japanese も空です。名前のある星には名前が必要です。";
    // Constellation boundaries (parts) and figures (polylines)
    case MessageId::PartNotClosed: return "{1}: {3} の境界の部分 {2} が閉じていません。最後の点は最初の点と同じでなければなりません。";
    case MessageId::PartEndsAfterOnePoint: return "{1}: {3} の境界の部分 {2} は {4} 点で終わっています。{5} 点以上必要です。";
    case MessageId::PartEndsAfterPoints: return "{1}: {3} の境界の部分 {2} は {4} 点で終わっています。{5} 点以上必要です。";
    case MessageId::LineEndsAfterOnePoint: return "{1}: {3} の折れ線 {2} は {4} 点で終わっています。{5} 点以上必要です。";
    case MessageId::LineEndsAfterPoints: return "{1}: {3} の折れ線 {2} は {4} 点で終わっています。{5} 点以上必要です。";
    case MessageId::PartNumberOutOfOrder:
        return "{1} は {2} でなければなりません。{3} の境界の部分はファイルの順に 1, 2, 3… と番号を振ります（{4} とあります）。";
    case MessageId::LineNumberOutOfOrder: return "{1} は {2} でなければなりません。{3} の折れ線はファイルの順に 1, 2, 3… と番号を振ります（{4} とあります）。";
    case MessageId::PartPointOutOfOrder: return "{1} は、新しい境界の部分を始める 1 か、前の件の境界の部分の次の点の番号でなければなりません（{2} とあります）。";
    case MessageId::LinePointOutOfOrder: return "{1} は、新しい折れ線を始める 1 か、前の件の折れ線の次の点の番号でなければなりません（{2} とあります）。";
    // Vertex and face files
    case MessageId::FieldCornerCount: return "頂点数";
    case MessageId::FieldCorner: return "頂点 {1}";
    case MessageId::ModelField: return "{1}: {3} 件目の「{2}」";
    case MessageId::ModelFieldNotWhole: return "{1}は整数でなければなりません（{2} とあります）。";
    case MessageId::ModelFieldOutsideShort: return "{1}が -32768 から 32767 までの範囲の外です（{2} とあります）。";
    case MessageId::TooManyVertices: return "{1}: 頂点が {2} 個あります。頂点は {3} 個までです。";
    case MessageId::TooManyFaces: return "{1}: 面が {2} 個あります。面は {3} 個までです。";
    case MessageId::CornerCountOutside: return "{1}は 0 から {2} まででなければなりません（{3} とあります）。";
    // Drawing gores
    case MessageId::StarAt: return "{1} の {2} 番目の星（{3}）";
    case MessageId::DotTooLarge: return "{1}: 星の点が大きすぎて描けません。何も描いていません。倍率を小さくしてください。";
    case MessageId::PlaceNotFinite: return "{1}: 図の上の位置が有限の数になりません。何も描いていません。";
    case MessageId::GoreOutOfMemory: return "メモリが足りず、このみかんの皮を描けません。";
    case MessageId::LineCannotBePlaced: return "{1}° では等緯度線を図の上に置けません。何も描いていません。";
    // Drawing faces
    case MessageId::FaceNumbered: return "面 {1}";
    case MessageId::FaceTooFewCornersToCut: return "{1} の頂点数が {2} です。切り抜く面には 3 つ以上の頂点が要ります。";
    case MessageId::FileNameHasSeparator: return "ファイル名 {1} にパス区切り文字（{2}）があります。ファイル名のもとになるボックスから取り除いてください。";
    case MessageId::FileNameHasNul: return "ファイル名 {1} に NUL 文字があります。";
    // The program's data folder
    case MessageId::BundledFileMissing:
        return "プログラムに付属のファイル {1} が、プログラムのデータフォルダ {2} にありません。プログラムを入れ直すか、お手元のファイルを指定してください。";
    // The polyhedron globe
    case MessageId::CornerVertexMissing: return "{1} の面 {3} の頂点 {2} は頂点番号 {4} ですが、頂点は 1〜{5} です。";
    case MessageId::VertexNotInTable: return "頂点番号 {1} は頂点座標にありません。";
    case MessageId::TheFaceTable: return "the face table";
    case MessageId::RadiusNotPositiveCm: return "{1} cm は半径になりません。0 cm より大きい半径を入力してください。";
    case MessageId::NegativeStarSizes: return "{1} では星の大きさが負になります。0 以上を入力してください。";
    case MessageId::StarDotTooLargeRatio: return "等級 {1} の星は点が大きすぎて描けません。公比を小さくしてください。";
    // Bitmaps
    case MessageId::DrawingTooLargeForMemory: return "{1} ピクセルの図は、このコンピュータのメモリには大きすぎます。";
    case MessageId::BitmapCannotBeMade: return "{1}: ビットマップを作れません（図が大きすぎます）。";
    // Checks of the gore and polyhedron tabs' numbers
    case MessageId::NoGoresToDraw:
        return "負または零の分割数nは定義できません。";
    case MessageId::NoSuchGore:
        return " n < k です。";
    case MessageId::GoresNumberedFromOne:
        return "位置 k は 1 から {1} までです。";
    case MessageId::OneGoreTooFew:
        return "1 枚では少なすぎて描けません。みかんの皮は 3 枚以上にしてください（n = 3 以上）。";
    case MessageId::GoresTooFew:
        return "{1} 枚では少なすぎて描けません。みかんの皮は 3 枚以上にしてください（n = 3 以上）。";
    case MessageId::GoreWidthOf:
        return "みかんの皮の図の幅";
    case MessageId::GoreHeightOf:
        return "みかんの皮の図の高さ";
    case MessageId::GoreSideTooLarge:
        return "半径 {1}、分割数 n = {2} では、{3}が {4} になります。描ける図は一辺 {5} までです。";
    case MessageId::PlateSideTooLarge:
        return "半径 {1}、境界緯度 {2}° では、極板の一辺が {3} になります。描ける図は一辺 {4} までです。";
    case MessageId::BoundaryLeavesNoCap:
        return "{1}° では極板に入る範囲がありません。0° より大きい境界緯度を入力してください。";
    case MessageId::BoundaryLeavesNoPlate:
        return "{1}° では極板がありません。90° より小さい境界緯度を入力してください。";
    case MessageId::RangeOutsideAllowed:
        return "{1}° は使えない角度です。0° より大きく 90° より小さい角度を入力してください。";
    case MessageId::FaceRadiusNotPositive:
        return "{1} cm は半径になりません。0 cm より大きい半径を入力してください。";
    case MessageId::FaceCanvasTooLarge:
        return "半径 {1} cm、投影範囲 {2}° では図の一辺が {3} cm になります。描ける図は一辺 {4} cm までです。";
    case MessageId::FaceMagnificationNegative:
        return "{1} では星の大きさが負になります。0 以上を入力してください。";
    // The corners and dots of a face drawing
    case MessageId::NoFaceFileForOutline:
        return "面座標ﾌｧｲﾙが読み込まれていません。面座標ﾌｧｲﾙを読み込むか、両方のチェックを外して星だけを描いてください。";
    case MessageId::FaceFileHoldsFaces:
        return "面座標ﾌｧｲﾙ {1} の面は {2} 個です。1 から {2} までの面番号を選んでください。";
    case MessageId::FaceCornerCountOutside:
        return "{1} の頂点数が {2} です。面の頂点数は 0 から {3} までです。";
    case MessageId::CornerOfFace:
        return "{3} の面 {2} の頂点 {1}";
    case MessageId::CornerOfFaceStart:
        return "{3} の面 {2} の頂点 {1}";
    case MessageId::CornerNoVertexFile:
        return "{1} は頂点番号 {2} ですが、頂点座標ﾌｧｲﾙが読み込まれていません。先に頂点座標ﾌｧｲﾙを読み込んでください。";
    case MessageId::CornerBeyondVertices:
        return "{1} は頂点番号 {2} ですが、頂点座標ﾌｧｲﾙ {3} の頂点は 1〜{4} です。";
    case MessageId::CornerBehindTangentPoint:
        return "{1}（頂点番号 {2}）は接点 {3}°, {4}° から 90° 以上離れていて、接平面に投影できません。接平面位置を確かめてください。";
    case MessageId::FaceStarDotTooLarge:
        return "{2} の {1} 番目の星（等級 {3}）は点が大きすぎて描けません。";
    case MessageId::PleaseSmallerRatio:
        return "公比を小さくしてください。";
    case MessageId::PleaseFaintestInRange:
        return "細微等級は星の等級の範囲に収まる値にしてください。";
    case MessageId::PleaseSmallerMagnification:
        return "倍率を小さくしてください。";
    // Glue tabs of a kit
    case MessageId::TabsPiecesGores:
        return "赤道で幅 {1} mm の舟形";
    case MessageId::TabsPiecesFace:
        return "差し渡し {2} mm の面 {1}";
    case MessageId::TabsWiderThanPieces:
        return "のりしろ {1} mm が{2}より広くなります。値を大きくするか、のりしろを付けないでください。";
    case MessageId::Count: break;
    }
    return {};
}

} // namespace text
