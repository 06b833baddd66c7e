// The core's messages in Spanish: one wording an entry, {1}, {2}... standing for its values.
#include "text/message.h"

namespace text {

std::string_view spanishWording(MessageId id)
{
    switch (id) {
    // Pieces every message is composed of
    case MessageId::WhereReason: return "{1}: {2}";
    case MessageId::WhereInFileLine: return "{1}, línea {2}";
    // Reading a data file
    case MessageId::FileTooLarge:
        return "el archivo es demasiado grande ({1}); un archivo de datos puede tener como máximo {2} MiB ({3} bytes).";
    case MessageId::SizeInBytes: return "{1} bytes";
    case MessageId::FileGrewWhileRead: return "creció mientras se leía";
    case MessageId::FileIsFolder: return "esto es una carpeta, no un archivo.";
    case MessageId::KindDevice: return "un dispositivo";
    case MessageId::KindPipe: return "una tubería (FIFO)";
    case MessageId::KindSocket: return "un socket";
    case MessageId::KindSpecialFile: return "un archivo especial";
    case MessageId::FileNotRegular: return "esto es {1}, no un archivo normal; elija un archivo de datos.";
    case MessageId::FileCannotBeOpened: return "no se puede abrir el archivo ({1}).";
    case MessageId::FileCannotBeRead: return "no se puede leer el archivo ({1}).";
    // Fields of a numeric data file
    case MessageId::CommaAfterLastField:
        return "{1}: hay una coma tras el último campo del registro {2}; tras una coma debe venir un campo en la misma línea.";
    case MessageId::FieldEmpty: return "{1}: el campo {2} del registro {3} no es un número (está vacío).";
    case MessageId::FieldNotANumber: return "{1}: el campo {2} del registro {3} no es un número (dice {4}).";
    case MessageId::FieldTooLarge:
        return "{1}: el campo {2} del registro {3} es demasiado grande para un número (dice {4}).";
    case MessageId::RecordCutShort:
        return "{1}: el registro {2} está incompleto: falta el campo {3} al final del archivo.";
    // Writing a file
    case MessageId::CannotBeWritten: return "{1}: no se puede escribir ({2}).";
    case MessageId::LinkOfOtherUser:
        return "es un enlace simbólico de otro usuario (uid {1}) en una carpeta en la que otros pueden escribir, y esos enlaces nunca se siguen; bórrelo o elija otro nombre";
    case MessageId::NoFileName: return "no hay nombre de archivo";
    case MessageId::TargetIsFolder: return "hay una carpeta con ese nombre";
    case MessageId::TargetNotRegular:
        return "no es un archivo normal sino un dispositivo, una tubería o un socket; solo se escriben archivos";
    case MessageId::WriteNotStarted: return "la escritura no se había iniciado";
    // Numbers typed in a box
    case MessageId::OutsideRange: return "{1} está fuera del intervalo de {2} a {3}.";
    case MessageId::BoxEmpty: return "la casilla está vacía; escriba un número.";
    case MessageId::NotANumber: return "{1} no es un número.";
    // The system's reasons for a failed file operation (the English as the C library words them)
    case MessageId::SystemNoEntry: return "no existe el archivo o la carpeta";
    case MessageId::SystemAccess: return "permiso denegado";
    case MessageId::SystemPermission: return "operación no permitida";
    case MessageId::SystemIsFolder: return "es una carpeta";
    case MessageId::SystemNotFolder: return "una parte de la ruta no es una carpeta";
    case MessageId::SystemNameTooLong: return "el nombre es demasiado largo";
    case MessageId::SystemLinkLoop: return "los enlaces simbólicos forman un ciclo";
    case MessageId::SystemNoSpace: return "no queda espacio en el disco";
    case MessageId::SystemQuota: return "se ha superado la cuota de disco";
    case MessageId::SystemReadOnly: return "el sistema de archivos es de solo lectura";
    case MessageId::SystemInputOutput: return "error de entrada/salida";
    case MessageId::SystemTooManyOpen: return "hay demasiados archivos abiertos";
    case MessageId::SystemTooManyOpenInSystem: return "hay demasiados archivos abiertos en el sistema";
    case MessageId::SystemNoMemory: return "no hay memoria suficiente";
    case MessageId::SystemBusy: return "otro programa lo está usando";
    case MessageId::SystemTextBusy: return "otro programa lo está usando";
    case MessageId::SystemFileTooLarge: return "el archivo es demasiado grande";
    case MessageId::SystemOther: return "error del sistema número {1} ({2})";
    // Star files
    case MessageId::FieldLambda: return "Lambda (longitud)";
    case MessageId::FieldPhi: return "Phi (latitud)";
    case MessageId::FieldVmag: return "Vmag (magnitud)";
    case MessageId::FieldColourIndex: return "B-V (índice de color)";
    case MessageId::LatitudeOutside:
        return "{1}: la latitud Phi de la estrella {2} es {3}, fuera del intervalo de -90 a 90 grados. Un archivo de estrellas da primero la longitud, luego la latitud y luego la magnitud: ¿están intercambiadas las columnas?";
    case MessageId::StarFieldEmpty: return "{1}: el campo {2} de la estrella {3} no es un número (está vacío).";
    case MessageId::StarFieldNotANumber: return "{1}: el campo {2} de la estrella {3} no es un número (dice {4}).";
    case MessageId::StarFieldCount:
        return "{1}: la estrella {2} tiene {3} campos; un archivo de estrellas que empieza con la línea \"lambda,phi,magnitude,bv\" da cada estrella en una línea como longitud, latitud, magnitud y B-V (que puede quedar vacío).";
    case MessageId::TooManyStars: return "{1}: el archivo tiene más estrellas de las que el programa puede contar.";
    // The star size rule
    case MessageId::RatioPowerTooLarge:
        return "elevada a {1} (la magnitud límite menos la de la estrella), la razón {2} es demasiado grande para calcularla.";
    case MessageId::RatioPowerNotReal:
        return "elevada a {1} (la magnitud límite menos la de la estrella), la razón {2} no tiene valor real.";
    case MessageId::StarTooBright:
        return "una estrella de magnitud {1} es más brillante que cualquiera del cielo ({2}); no se puede calcular el tamaño de su punto.";
    // Tables of the sky data (CSV)
    case MessageId::NotUtf8: return "{1}: el texto no es UTF-8 válido (byte {2} en el byte {3} de la línea).";
    case MessageId::CsvColumn: return "{1}: el campo {2}";
    case MessageId::QuoteNotClosed: return "{1} abre unas comillas que no se cierran en su línea.";
    case MessageId::OnlyCommaAfterQuote: return "{1}: tras unas comillas de cierre solo puede ir una coma (dice {2}).";
    case MessageId::QuoteOutsideQuotes:
        return "{1} contiene comillas fuera de un entrecomillado (dice {2}); escriba el campo entre comillas y duplique cada comilla que contenga.";
    case MessageId::HeaderExpected: return "{1}: la primera línea debe ser la cabecera \"{2}\" (dice {3}).";
    case MessageId::FieldCount: return "{1}: el registro {2} tiene {3} campos; se esperan {4} ({5}).";
    case MessageId::CsvFileEmpty: return "{1}: el archivo está vacío; su primera línea debe ser la cabecera \"{2}\".";
    case MessageId::FolderNotFile: return "esto es una carpeta, no un archivo.";
    case MessageId::OnlyFilesRead:
        return "esto no es un archivo normal (por ejemplo, un dispositivo, una tubería o un socket); solo se leen archivos.";
    case MessageId::FileOfBytesTooLarge: return "el archivo tiene {1} bytes; se leen como máximo {2} bytes (64 MiB).";
    case MessageId::FileOverBytes: return "el archivo tiene más de {1} bytes; se leen como máximo {1} bytes (64 MiB).";
    case MessageId::FileUnreadable: return "no se puede leer el archivo.";
    case MessageId::CsvField: return "{1}: el campo {2} del registro {3}";
    case MessageId::CsvFieldEmpty: return "{1} no es un número (está vacío).";
    case MessageId::CsvFieldNotANumber: return "{1} no es un número (dice {2}).";
    case MessageId::CsvFieldOutside: return "{1} debe estar entre {2} y {3} (dice {4}).";
    case MessageId::CsvFieldNotWhole: return "{1} debe ser un número entero (dice {2}).";
    case MessageId::CsvFieldNoName: return "{1} está vacío; debe contener un nombre.";
    case MessageId::StarWithoutName:
        return "{1} y el campo japanese están vacíos; una estrella con nombre necesita un nombre.";
    // Constellation boundaries (parts) and figures (polylines)
    case MessageId::PartNotClosed:
        return "{1}: la parte {2} de {3} no se cierra: su último punto debe repetir el primero.";
    case MessageId::PartEndsAfterOnePoint:
        return "{1}: la parte {2} de {3} termina tras {4} punto; necesita al menos {5}.";
    case MessageId::PartEndsAfterPoints:
        return "{1}: la parte {2} de {3} termina tras {4} puntos; necesita al menos {5}.";
    case MessageId::LineEndsAfterOnePoint:
        return "{1}: la polilínea {2} de {3} termina tras {4} punto; necesita al menos {5}.";
    case MessageId::LineEndsAfterPoints:
        return "{1}: la polilínea {2} de {3} termina tras {4} puntos; necesita al menos {5}.";
    case MessageId::PartNumberOutOfOrder:
        return "{1} debe ser {2}: las partes de {3} se numeran 1, 2, 3… en el orden del archivo (dice {4}).";
    case MessageId::LineNumberOutOfOrder:
        return "{1} debe ser {2}: las polilíneas de {3} se numeran 1, 2, 3… en el orden del archivo (dice {4}).";
    case MessageId::PartPointOutOfOrder:
        return "{1} debe ser 1, para empezar una parte nueva, o el punto siguiente de la parte del registro anterior (dice {2}).";
    case MessageId::LinePointOutOfOrder:
        return "{1} debe ser 1, para empezar una polilínea nueva, o el punto siguiente de la polilínea del registro anterior (dice {2}).";
    // Vertex and face files
    case MessageId::FieldCornerCount: return "CornerCount (número de vértices)";
    case MessageId::FieldCorner: return "vértice {1}";
    case MessageId::ModelField: return "{1}: el campo {2} del registro {3}";
    case MessageId::ModelFieldNotWhole: return "{1} debe ser un número entero (dice {2}).";
    case MessageId::ModelFieldOutsideShort: return "{1} está fuera del intervalo de -32768 a 32767 (dice {2}).";
    case MessageId::TooManyVertices: return "{1}: el archivo tiene {2} vértices; se admiten como máximo {3}.";
    case MessageId::TooManyFaces: return "{1}: el archivo tiene {2} caras; se admiten como máximo {3}.";
    case MessageId::CornerCountOutside: return "{1} debe estar entre 0 y {2} (dice {3}).";
    // Drawing gores
    case MessageId::StarAt: return "{1}: estrella {2} ({3})";
    case MessageId::DotTooLarge:
        return "{1}: su punto es demasiado grande para dibujarlo; no se ha dibujado nada. Escriba un aumento menor.";
    case MessageId::PlaceNotFinite:
        return "{1}: su posición en el dibujo no es un número finito; no se ha dibujado nada.";
    case MessageId::GoreOutOfMemory: return "No hay memoria suficiente para dibujar este huso.";
    case MessageId::LineCannotBePlaced:
        return "{1}° da una línea que no se puede situar en el dibujo; no se ha dibujado nada.";
    // Drawing faces
    case MessageId::FaceNumbered: return "cara {1}";
    case MessageId::FaceTooFewCornersToCut: return "{1} tiene {2} vértices; una cara para recortar necesita 3 o más.";
    case MessageId::FileNameHasSeparator:
        return "el nombre de archivo {1} contiene un separador de ruta ({2}); quítelo de las casillas con las que se forma el nombre.";
    case MessageId::FileNameHasNul: return "el nombre de archivo {1} contiene un carácter NUL.";
    // The program's data folder
    case MessageId::BundledFileMissing:
        return "el archivo incluido {1} no está en {2} (la carpeta de datos del programa); reinstale el programa o indique un archivo propio.";
    // The polyhedron globe
    case MessageId::CornerVertexMissing:
        return "{1}: el vértice {2} de la cara {3} es el número {4}, pero la tabla de vértices tiene los vértices 1 a {5}.";
    case MessageId::VertexNotInTable: return "el vértice {1} no está en la tabla de vértices.";
    case MessageId::TheFaceTable: return "la tabla de caras";
    case MessageId::RadiusNotPositiveCm: return "{1} cm no es un radio; escriba un radio mayor que 0 cm.";
    case MessageId::NegativeStarSizes: return "{1} daría a las estrellas tamaños negativos; escriba 0 o más.";
    case MessageId::StarDotTooLargeRatio:
        return "una estrella de magnitud {1} tendría un punto demasiado grande para dibujarlo; escriba una razón menor.";
    // Bitmaps
    case MessageId::DrawingTooLargeForMemory:
        return "El dibujo de {1} píxeles es demasiado grande para la memoria de este ordenador.";
    case MessageId::BitmapCannotBeMade:
        return "{1}: no se puede crear el mapa de bits (el dibujo es demasiado grande).";
    // Checks of the gore and polyhedron tabs' numbers
    case MessageId::NoGoresToDraw:
        return "no hay husos que dibujar; indique 3 husos o más.";
    case MessageId::NoSuchGore:
        return "no existe el huso {1} de {2}; indique de 1 a {2} (o all).";
    case MessageId::GoresNumberedFromOne:
        return "los husos se numeran desde 1; indique de 1 a {1} (o all).";
    case MessageId::OneGoreTooFew:
        return "1 huso es demasiado poco para dibujar; hacen falta al menos 3 (n = 3 o más).";
    case MessageId::GoresTooFew:
        return "{1} husos son demasiado pocos para dibujar; hacen falta al menos 3 (n = 3 o más).";
    case MessageId::GoreWidthOf:
        return "un ancho de huso de";
    case MessageId::GoreHeightOf:
        return "un alto de huso de";
    case MessageId::GoreSideTooLarge:
        return "{1} con n = {2}: haría falta {3} {4}; el dibujo más grande mide {5} de lado.";
    case MessageId::PlateSideTooLarge:
        return "{1} con una latitud límite de {2}°: haría falta un lado de casquete polar de {3}; el dibujo más grande mide {4} de lado.";
    case MessageId::BoundaryLeavesNoCap:
        return "{1}° no deja casquete polar; escriba una latitud límite mayor que 0°.";
    case MessageId::BoundaryLeavesNoPlate:
        return "{1}° no deja sitio para un casquete polar; escriba una latitud límite menor que 90°.";
    case MessageId::RangeOutsideAllowed:
        return "{1}° está fuera del intervalo permitido; escriba un ángulo mayor que 0 y menor que 90 grados.";
    case MessageId::FaceRadiusNotPositive:
        return "{1} cm: el radio debe ser mayor que 0 cm.";
    case MessageId::FaceCanvasTooLarge:
        return "{1} cm con un alcance de proyección de {2}° necesita un lienzo de {3} cm de lado; se admiten como máximo {4} cm.";
    case MessageId::FaceMagnificationNegative:
        return "{1} no puede ser negativo.";
    // The corners and dots of a face drawing
    case MessageId::NoFaceFileForOutline:
        return "no hay ningún archivo de caras cargado. Cargue un archivo de caras, o desmarque ambas casillas para dibujar solo las estrellas.";
    case MessageId::FaceFileHoldsFaces:
        return "el archivo de caras {1} contiene {2} caras; elija una cara de 1 a {2}.";
    case MessageId::FaceCornerCountOutside:
        return "{1} tiene {2} vértices; una cara tiene de 0 a {3}.";
    case MessageId::CornerOfFace:
        return "el vértice {1} de la cara {2} en {3}";
    case MessageId::CornerOfFaceStart:
        return "El vértice {1} de la cara {2} en {3}";
    case MessageId::CornerNoVertexFile:
        return "{1} es el vértice {2}, pero no hay ningún archivo de vértices cargado. Cargue primero el archivo de vértices.";
    case MessageId::CornerBeyondVertices:
        return "{1} es el vértice {2}, pero el archivo de vértices {3} contiene los vértices 1 a {4}.";
    case MessageId::CornerBehindTangentPoint:
        return "{1} (vértice {2}) está a 90 grados o más del punto de tangencia {3}°, {4}° y no se puede proyectar sobre su plano. Compruebe el punto de tangencia.";
    case MessageId::FaceStarDotTooLarge:
        return "la estrella {1} de {2} (magnitud {3}) tendría un punto demasiado grande para dibujarlo.";
    case MessageId::PleaseSmallerRatio:
        return " Escriba una razón menor.";
    case MessageId::PleaseFaintestInRange:
        return " Escriba una magnitud límite dentro del intervalo del cielo.";
    case MessageId::PleaseSmallerMagnification:
        return " Escriba un aumento menor.";
    // Glue tabs of a kit
    case MessageId::TabsPiecesGores:
        return "los husos ({1} mm de ancho en el ecuador)";
    case MessageId::TabsPiecesFace:
        return "la cara {1} ({2} mm de ancho)";
    case MessageId::TabsWiderThanPieces:
        return "las pestañas de pegado de {1} mm son más anchas que {2}; escriba un valor mayor o quite las pestañas.";
    case MessageId::Count: break;
    }
    return {};
}

} // namespace text
