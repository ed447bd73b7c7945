#pragma once
// The texts of the user's tables in the browser page (web/tables) that the desktop has no
// words for: another tab holding the tables, a browser that keeps nothing, its storage full,
// and the opening of a database file. The page shows them by these Spanish sources, translated
// from the same translation file as every other text; marked here so that lupdate keeps them.

#include "i18n/Text.h"

namespace velm::web {

inline constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("velm::web", "LAS TABLAS ESTAN ABIERTAS EN OTRA PESTAÑA QUE NO LAS HA SOLTADO EN %1 SEGUNDOS; NO SE HAN LEIDO NI MODIFICADO. INTENTELO DE NUEVO"),
    QT_TRANSLATE_NOOP("velm::web", "ESTE NAVEGADOR NO DEJA GUARDAR LAS TABLAS (%1): SE USAN LAS TABLAS INCORPORADAS Y LOS CAMBIOS SE PERDERAN AL CERRAR LA PAGINA"),
    QT_TRANSLATE_NOOP("velm::web", "NO QUEDA ESPACIO PARA LAS TABLAS EN EL ALMACENAMIENTO DEL NAVEGADOR; EL ARCHIVO %1 NO SE HA MODIFICADO"),
    QT_TRANSLATE_NOOP("velm::web", "EL ARCHIVO %1 NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS; NO SE HA LEIDO NI MODIFICADO"),
    QT_TRANSLATE_NOOP("velm::web", "LA TABLA %1 DEL ARCHIVO %2 NO TIENE LAS COLUMNAS DE UNA TABLA DE %3; NO SE HA TOMADO NINGUNA TABLA"),
    QT_TRANSLATE_NOOP("velm::web", "EL ARCHIVO %1 NO TRAE NINGUNA TABLA"),
    QT_TRANSLATE_NOOP("velm::web", "EL ARCHIVO %1 TRAE 1 TABLA:"),
    QT_TRANSLATE_NOOP("velm::web", "EL ARCHIVO %1 TRAE %2 TABLAS:"),
    QT_TRANSLATE_NOOP("velm::web", "¿DESEA REEMPLAZAR LAS TABLAS DE %1 POR LAS DEL ARCHIVO (LAS QUE EL ARCHIVO NO TRAE SE PIERDEN) O AÑADIR LAS DEL ARCHIVO A LAS QUE YA TIENE?"),
    QT_TRANSLATE_NOOP("velm::web", "REEMPLAZAR"),
    QT_TRANSLATE_NOOP("velm::web", "AÑADIR"),
    QT_TRANSLATE_NOOP("velm::web", "CANCELAR"),
    QT_TRANSLATE_NOOP("velm::web", "LA TABLA %1 YA EXISTE EN %2. ¿DESEA SUSTITUIRLA POR LA DEL ARCHIVO?"),
    QT_TRANSLATE_NOOP("velm::web", "LAS TABLAS DE %1 SON AHORA LAS DEL ARCHIVO %2"),
    QT_TRANSLATE_NOOP("velm::web", "SE HAN AÑADIDO A %1 LAS TABLAS ELEGIDAS DEL ARCHIVO %2"),
};

}  // namespace velm::web
