// Every word the page shows, by a key of its own. Where the page shows what a desktop screen
// shows, the text is that screen's, in its context, so that both share one translation; the
// page's own words are in the context "web". lupdate reads this plain script (it does not read
// the page's ES modules); the site's build makes the page's table of texts from it and from
// the translation file, and stops at a text that has no finished translation.
/* exported PAGE_TEXTS */
var PAGE_TEXTS = {
  // The views.
  propertiesView: QT_TRANSLATE_NOOP("web", "PROPIEDADES"),
  tablesView: QT_TRANSLATE_NOOP("frmGRAFICAS", "TABLAS Y GRAFICAS"),
  convectionView: QT_TRANSLATE_NOOP("frmCONVECCION", "CONVECCION"),
  views: QT_TRANSLATE_NOOP("web", "PANTALLAS"),
  language: QT_TRANSLATE_NOOP("web", "IDIOMA"),
  spanish: QT_TRANSLATE_NOOP("web", "ESPAÑOL"),
  english: QT_TRANSLATE_NOOP("web", "ENGLISH"),
  loadFailed: QT_TRANSLATE_NOOP("web", "NO SE PUDO CARGAR EL CALCULO DE PROPIEDADES: %1"),

  // What is computed: the choices of every view.
  family: QT_TRANSLATE_NOOP("frmGRAFICAS", "FAMILIA"),
  fluid: QT_TRANSLATE_NOOP("frmGRAFICAS", "FLUIDO"),
  units: QT_TRANSLATE_NOOP("frmGRAFICAS", "UNIDADES"),
  scale: QT_TRANSLATE_NOOP("frmGRAFICAS", "ESCALA"),
  si: QT_TRANSLATE_NOOP("frmGRAFICAS", "SI"),
  englishUnits: QT_TRANSLATE_NOOP("frmGRAFICAS", "INGLES"),
  gases: QT_TRANSLATE_NOOP("velm::families", "GASES"),
  liquids: QT_TRANSLATE_NOOP("velm::families", "LIQUIDOS"),
  calculate: QT_TRANSLATE_NOOP("frmGRAFICAS", "CALCULA&R"),

  // The property screen's.
  temperature: QT_TRANSLATE_NOOP("frmVELM1", "TEMPERATURA"),
  pressure: QT_TRANSLATE_NOOP("frmVELM1", "PRESION ABSOLUTA"),
  results: QT_TRANSLATE_NOOP("frmVELM1", "Resultados"),
  DEN: QT_TRANSLATE_NOOP("frmVELM1", "Densidad ="),
  CP: QT_TRANSLATE_NOOP("frmVELM1", "Calor Específico ="),
  MIU: QT_TRANSLATE_NOOP("frmVELM1", "Viscosidad Abs. ="),
  UN: QT_TRANSLATE_NOOP("frmVELM1", "Viscosidad Cin. ="),
  K: QT_TRANSLATE_NOOP("frmVELM1", "Cond. Térmica  ="),
  ALFA: QT_TRANSLATE_NOOP("frmVELM1", "Difusividad Térm. ="),
  PR: QT_TRANSLATE_NOOP("frmVELM1", "# de Prandtl  ="),
  BETA: QT_TRANSLATE_NOOP("frmVELM1", "Coef. de Expansión ="),
  saveResults: QT_TRANSLATE_NOOP("web", "&Guardar resultados"),
  calculationsOne: QT_TRANSLATE_NOOP("web", "1 CALCULO EN EL ARCHIVO DE RESULTADOS"),
  calculationsMany: QT_TRANSLATE_NOOP("web", "%1 CALCULOS EN EL ARCHIVO DE RESULTADOS"),

  // The tables screen's.
  from: QT_TRANSLATE_NOOP("frmGRAFICAS", "DESDE"),
  to: QT_TRANSLATE_NOOP("frmGRAFICAS", "HASTA"),
  step: QT_TRANSLATE_NOOP("frmGRAFICAS", "PASO"),
  property: QT_TRANSLATE_NOOP("frmGRAFICAS", "PROPIEDAD"),
  logAxis: QT_TRANSLATE_NOOP("frmGRAFICAS", "ESCALA LOGAR&ITMICA"),
  saveTable: QT_TRANSLATE_NOOP("frmGRAFICAS", "Guar&dar tabla"),
  copy: QT_TRANSLATE_NOOP("frmGRAFICAS", "Co&piar"),
  table: QT_TRANSLATE_NOOP("web", "TABLA"),
  plot: QT_TRANSLATE_NOOP("web", "GRAFICA"),
  savePng: QT_TRANSLATE_NOOP("web", "Guardar gráfica PNG"),
  saveSvg: QT_TRANSLATE_NOOP("web", "Guardar gráfica SVG"),
  copied: QT_TRANSLATE_NOOP("web", "COPIADO"),
  correlation: QT_TRANSLATE_NOOP("velm::sweep", "CORRELACION"),
  tablePoint: QT_TRANSLATE_NOOP("velm::sweep", "PUNTO DE TABLA"),
  interpolated: QT_TRANSLATE_NOOP("velm::sweep", "INTERPOLADO"),
  extrapolated: QT_TRANSLATE_NOOP("velm::sweep", "EXTRAPOLADO"),

  // The convection screen's.
  kase: QT_TRANSLATE_NOOP("frmCONVECCION", "CASO"),
  surface: QT_TRANSLATE_NOOP("frmCONVECCION", "TS (SUPERFICIE)"),
  fluidTemp: QT_TRANSLATE_NOOP("frmCONVECCION", "TINF (FLUIDO)"),
  length: QT_TRANSLATE_NOOP("frmCONVECCION", "LONGITUD"),
  diameter: QT_TRANSLATE_NOOP("frmCONVECCION", "DIAMETRO"),
  area: QT_TRANSLATE_NOOP("frmCONVECCION", "AREA"),
  perimeter: QT_TRANSLATE_NOOP("frmCONVECCION", "PERIMETRO"),
  velocity: QT_TRANSLATE_NOOP("frmCONVECCION", "VELOCIDAD"),
  wall: QT_TRANSLATE_NOOP("frmCONVECCION", "CONDICION EN LA PARED"),
  tubeCorrelation: QT_TRANSLATE_NOOP("frmCONVECCION", "CORRELACION (TURBULENTO)"),
  uniformTemperature: QT_TRANSLATE_NOOP("frmCONVECCION", "TEMPERATURA UNIFORME"),
  uniformFlux: QT_TRANSLATE_NOOP("frmCONVECCION", "FLUJO DE CALOR UNIFORME"),
  hAgainst: QT_TRANSLATE_NOOP("frmCONVECCION", "h CONTRA"),
  plotH: QT_TRANSLATE_NOOP("frmCONVECCION", "&GRAFICAR h"),
  derivation: QT_TRANSLATE_NOOP("web", "DERIVACION"),

  // The stored tables' words, as the program's database files give them.
  tableMissing: QT_TRANSLATE_NOOP("velm::msg", "LA TABLA %1 NO EXISTE EN EL ARCHIVO %2"),
};
