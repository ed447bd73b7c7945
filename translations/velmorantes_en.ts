<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>frmAYUDA</name>
    <message>
        <source>MANUAL</source>
        <translation>MANUAL</translation>
    </message>
    <message>
        <source>manual.es.html</source>
        <translation>manual.en.html</translation>
    </message>
    <message>
        <source>NO SE ENCUENTRA EL MANUAL (%1)</source>
        <translation>THE MANUAL CANNOT BE FOUND (%1)</translation>
    </message>
</context>
<context>
    <name>frmCONVECCION</name>
    <message>
        <source>Co&amp;piar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Guardar grá&amp;fica</source>
        <translation>Save &amp;plot</translation>
    </message>
    <message>
        <source>&amp;CERRAR</source>
        <translation>C&amp;LOSE</translation>
    </message>
    <message>
        <source>PRESION ABSOLUTA</source>
        <translation>ABSOLUTE PRESSURE</translation>
    </message>
    <message>
        <source>PERIMETRO</source>
        <translation>PERIMETER</translation>
    </message>
    <message>
        <source>VELOCIDAD</source>
        <translation>VELOCITY</translation>
    </message>
    <message>
        <source>CONDICION EN LA PARED</source>
        <translation>WALL CONDITION</translation>
    </message>
    <message>
        <source>CORRELACION (TURBULENTO)</source>
        <translation>CORRELATION (TURBULENT)</translation>
    </message>
    <message>
        <source>CALCULA&amp;R</source>
        <translation>C&amp;ALCULATE</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>INGLES</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <source>TEMPERATURA UNIFORME</source>
        <translation>UNIFORM TEMPERATURE</translation>
    </message>
    <message>
        <source>FLUJO DE CALOR UNIFORME</source>
        <translation>UNIFORM HEAT FLUX</translation>
    </message>
    <message>
        <source>CASO</source>
        <translation>CASE</translation>
    </message>
    <message>
        <source>FAMILIA</source>
        <translation>FAMILY</translation>
    </message>
    <message>
        <source>FLUIDO</source>
        <translation>FLUID</translation>
    </message>
    <message>
        <source>UNIDADES</source>
        <translation>UNITS</translation>
    </message>
    <message>
        <source>ESCALA</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>TS (SUPERFICIE)</source>
        <translation>TS (SURFACE)</translation>
    </message>
    <message>
        <source>TINF (FLUIDO)</source>
        <translation>TINF (FLUID)</translation>
    </message>
    <message>
        <source>&amp;GRAFICAR h</source>
        <translation>PL&amp;OT h</translation>
    </message>
    <message>
        <source>h CONTRA</source>
        <translation>h AGAINST</translation>
    </message>
    <message>
        <source>DESDE</source>
        <translation>FROM</translation>
    </message>
    <message>
        <source>HASTA</source>
        <translation>TO</translation>
    </message>
    <message>
        <source>PASO</source>
        <translation>STEP</translation>
    </message>
    <message>
        <source>CONVECCION</source>
        <translation>CONVECTION</translation>
    </message>
    <message>
        <source>DIAMETRO</source>
        <translation>DIAMETER</translation>
    </message>
    <message>
        <source>AREA</source>
        <translation>AREA</translation>
    </message>
    <message>
        <source>LONGITUD</source>
        <translation>LENGTH</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>frmDATOS</name>
    <message>
        <source>TITULO DE LA TABLA</source>
        <translation>TITLE OF THE TABLE</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; &amp;ATRAS</source>
        <translation>&lt;&lt;&lt; BAC&amp;K</translation>
    </message>
    <message>
        <source>AGREGAR</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>ESCRIBA EL TITULO DE LA TABLA QUE DESEA AGREGAR </source>
        <translation>TYPE THE TITLE OF THE TABLE YOU WANT TO ADD</translation>
    </message>
    <message>
        <source>MODIFICAR</source>
        <translation>MODIFY</translation>
    </message>
    <message>
        <source>ESCRIBA EL TITULO DE LA TABLA QUE DESEA MODIFICAR </source>
        <translation>TYPE THE TITLE OF THE TABLE YOU WANT TO MODIFY</translation>
    </message>
    <message>
        <source>ELIMINAR</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>ESCRIBA EL TITULO DE LA TABLA QUE DESEA ELIMINAR </source>
        <translation>TYPE THE TITLE OF THE TABLE YOU WANT TO DELETE</translation>
    </message>
    <message>
        <source>LA TABLA %1 YA EXISTE,  ASIGNELE UN NOMBRE DIFERENTE</source>
        <translation>THE TABLE %1 ALREADY EXISTS; GIVE IT A DIFFERENT NAME</translation>
    </message>
    <message>
        <source>LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  ANTES DE MODIFICARLA TIENE QUE CREARLA  ! ! ! !</source>
        <translation>THE TABLE %1 DOES NOT EXIST: YOU MUST CREATE IT BEFORE YOU MODIFY IT!</translation>
    </message>
    <message>
        <source>LA TABLA %1 NO EXISTE, ¡ ¡ ¡ ¡ ¡  NO PUEDE ELIMINARLA  ! ! ! !</source>
        <translation>THE TABLE %1 DOES NOT EXIST: IT CANNOT BE DELETED!</translation>
    </message>
    <message>
        <source>LA TABLA %1 HA SIDO ELIMINADA</source>
        <translation>THE TABLE %1 HAS BEEN DELETED</translation>
    </message>
</context>
<context>
    <name>frmFluidChoice</name>
    <message>
        <source>SELECCIONE</source>
        <translation>CHOOSE</translation>
    </message>
    <message>
        <source>&amp;OPCIONES</source>
        <translation>&amp;OPTIONS</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; &amp;ATRAS</source>
        <translation>&lt;&lt;&lt; BAC&amp;K</translation>
    </message>
</context>
<context>
    <name>frmGRAFICAS</name>
    <message>
        <source>Guar&amp;dar tabla</source>
        <translation>Save &amp;table</translation>
    </message>
    <message>
        <source>Guardar grá&amp;fica</source>
        <translation>Save &amp;plot</translation>
    </message>
    <message>
        <source>Co&amp;piar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;CERRAR</source>
        <translation>C&amp;LOSE</translation>
    </message>
    <message>
        <source>ESCALA LOGAR&amp;ITMICA</source>
        <translation>LOGAR&amp;ITHMIC SCALE</translation>
    </message>
    <message>
        <source>PROPIEDAD</source>
        <translation>PROPERTY</translation>
    </message>
    <message>
        <source>PRESION ABSOLUTA</source>
        <translation>ABSOLUTE PRESSURE</translation>
    </message>
    <message>
        <source>CALCULA&amp;R</source>
        <translation>C&amp;ALCULATE</translation>
    </message>
    <message>
        <source>SI</source>
        <translation>SI</translation>
    </message>
    <message>
        <source>INGLES</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <source>FAMILIA</source>
        <translation>FAMILY</translation>
    </message>
    <message>
        <source>FLUIDO</source>
        <translation>FLUID</translation>
    </message>
    <message>
        <source>UNIDADES</source>
        <translation>UNITS</translation>
    </message>
    <message>
        <source>ESCALA</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>DESDE</source>
        <translation>FROM</translation>
    </message>
    <message>
        <source>HASTA</source>
        <translation>TO</translation>
    </message>
    <message>
        <source>PASO</source>
        <translation>STEP</translation>
    </message>
    <message>
        <source>TABLAS Y GRAFICAS</source>
        <translation>TABLES AND PLOTS</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Archivo de resultados (*.txt)</source>
        <translation>Results file (*.txt)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen SVG (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>frmMODIFICAR</name>
    <message>
        <source>Record: </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>&amp;Agregar</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Eliminar</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Actuali&amp;zar</source>
        <translation>&amp;Update</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Data error event hit err:</source>
        <translation>Data error event hit err:</translation>
    </message>
</context>
<context>
    <name>frmPRESENT</name>
    <message>
        <source>VELMORANTES DE LOS FLUIDOS</source>
        <translation>PROPERTIES OF FLUIDS</translation>
    </message>
    <message>
        <source>&amp;GASES</source>
        <translation>&amp;GASES</translation>
    </message>
    <message>
        <source>&amp;LIQUIDOS</source>
        <translation>&amp;LIQUIDS</translation>
    </message>
</context>
<context>
    <name>frmPRUEBA</name>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Densidad</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Calor Específico</source>
        <translation>Specific Heat</translation>
    </message>
    <message>
        <source>Viscosidad Absoluta</source>
        <translation>Absolute Viscosity</translation>
    </message>
    <message>
        <source>Viscosidad Cinemática</source>
        <translation>Kinematic Viscosity</translation>
    </message>
    <message>
        <source> Conductividad Térmica</source>
        <translation> Thermal Conductivity</translation>
    </message>
    <message>
        <source>Difusividad Térmica</source>
        <translation>Thermal Diffusivity</translation>
    </message>
    <message>
        <source>Número de Pr.</source>
        <translation>Prandtl Number</translation>
    </message>
    <message>
        <source>Coeficiente de Expansión</source>
        <translation>Expansion Coefficient</translation>
    </message>
    <message>
        <source>AGREGAR</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>CANCELAR</source>
        <translation>CANCEL</translation>
    </message>
</context>
<context>
    <name>frmTABLAS</name>
    <message>
        <source>TABLAS</source>
        <translation>TABLES</translation>
    </message>
    <message>
        <source>AGREGAR</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>ELIMINAR</source>
        <translation>DELETE</translation>
    </message>
    <message>
        <source>MODIFICAR</source>
        <translation>MODIFY</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt; &amp;ATRAS</source>
        <translation>&lt;&lt;&lt; BAC&amp;K</translation>
    </message>
</context>
<context>
    <name>frmVELM1</name>
    <message>
        <source>Densidad =</source>
        <translation>Density =</translation>
    </message>
    <message>
        <source>Calor Específico =</source>
        <translation>Specific Heat =</translation>
    </message>
    <message>
        <source>Viscosidad Abs. =</source>
        <translation>Absolute Visc. =</translation>
    </message>
    <message>
        <source>Viscosidad Cin. =</source>
        <translation>Kinematic Visc. =</translation>
    </message>
    <message>
        <source>Cond. Térmica  =</source>
        <translation>Thermal Cond.  =</translation>
    </message>
    <message>
        <source>Difusividad Térm. =</source>
        <translation>Thermal Diff. =</translation>
    </message>
    <message>
        <source># de Prandtl  =</source>
        <translation>Prandtl #  =</translation>
    </message>
    <message>
        <source>Coef. de Expansión =</source>
        <translation>Expansion Coef. =</translation>
    </message>
    <message>
        <source>TEMPERATURA</source>
        <translation>TEMPERATURE</translation>
    </message>
    <message>
        <source>&amp;ACEPTAR</source>
        <translation>&amp;ACCEPT</translation>
    </message>
    <message>
        <source>PRESION ABSOLUTA</source>
        <translation>ABSOLUTE PRESSURE</translation>
    </message>
    <message>
        <source>A&amp;CEPTAR</source>
        <translation>A&amp;CCEPT</translation>
    </message>
    <message>
        <source>&amp;MOSTRAR VELMORANTES</source>
        <translation>&amp;SHOW PROPERTIES</translation>
    </message>
    <message>
        <source>&amp;NUEVA TEMPERATURA</source>
        <translation>&amp;NEW TEMPERATURE</translation>
    </message>
    <message>
        <source>&amp;OTRO FLUIDO</source>
        <translation>&amp;OTHER FLUID</translation>
    </message>
    <message>
        <source>&amp;TERMINAR</source>
        <translation>&amp;END</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
</context>
<context>
    <name>mdiGENERAL</name>
    <message>
        <source>GUARDAR </source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Guardar</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Unidades</source>
        <translation>&amp;Units</translation>
    </message>
    <message>
        <source>&amp;Sistema Internacional</source>
        <translation>&amp;International System (SI)</translation>
    </message>
    <message>
        <source>&amp;Sistema Inglés</source>
        <translation>&amp;English Units</translation>
    </message>
    <message>
        <source>&amp;Velmorantes</source>
        <translation>&amp;Velmorantes</translation>
    </message>
    <message>
        <source>Ta&amp;blas y gráficas</source>
        <translation>Ta&amp;bles and plots</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Acerca de VELMORANTES</source>
        <translation>&amp;About VELMORANTES</translation>
    </message>
    <message>
        <source>VELMORANTES %1

Calculadora de las propiedades termofísicas de los fluidos.

Software libre: puede redistribuirlo y modificarlo según la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior (GPL-3.0-or-later). Se distribuye SIN NINGUNA GARANTÍA.

Archivos de base de datos en uso (GASES.mdb y LIQUIDOS.mdb): %2

Los datos de las propiedades proceden de las tablas de Incropera, DeWitt, Bergman y Lavine, Fundamentals of Heat and Mass Transfer (apéndice A), y, donde esas tablas no se pudieron obtener, de las ecuaciones de referencia de CoolProp; las correlaciones incorporadas se ajustaron a esos datos.</source>
        <translation>VELMORANTES %1

Calculator of the thermophysical properties of fluids.

Free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later). It comes WITHOUT ANY WARRANTY.

Database files in use (GASES.mdb and LIQUIDOS.mdb): %2

The property data come from the tables of Incropera, DeWitt, Bergman and Lavine, Fundamentals of Heat and Mass Transfer (appendix A) and, where those tables could not be obtained, from CoolProp&apos;s reference equations; the built-in correlations were fitted to those data.</translation>
    </message>
    <message>
        <source>Archivos de texto(*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>ESTE ARCHIVO YA EXISTE ¿QUIERE SOBREESCRIBIRLO?</source>
        <translation>THIS FILE ALREADY EXISTS. DO YOU WANT TO OVERWRITE IT?</translation>
    </message>
    <message>
        <source>¿DESEA AGREGAR ESTOS RESULTADOS AL ARCHIVO?</source>
        <translation>DO YOU WANT TO ADD THESE RESULTS TO THE FILE?</translation>
    </message>
    <message>
        <source>Convección (flu&amp;jo de calor)</source>
        <translation>Convection (heat flu&amp;x)</translation>
    </message>
</context>
<context>
    <name>velm::calc</name>
    <message>
        <source>ARGUMENTO DESCONOCIDO &apos;%1&apos;</source>
        <translation>unknown argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 NECESITA UN VALOR</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>%1 SE DIO DOS VECES</source>
        <translation>%1 given twice</translation>
    </message>
    <message>
        <source>--scale %1 NO SE OFRECE EN UNIDADES INGLES (USE ºF)</source>
        <translation>--scale %1 is not offered under INGLES units (use ºF)</translation>
    </message>
    <message>
        <source>--scale %1 NO SE OFRECE EN UNIDADES SI (USE K O ºC)</source>
        <translation>--scale %1 is not offered under SI units (use K or ºC)</translation>
    </message>
    <message>
        <source>--sweep LLEVA DESDE:HASTA:PASO</source>
        <translation>--sweep takes FROM:TO:STEP</translation>
    </message>
    <message>
        <source>--sweep: EL PASO NO PUEDE SER CERO Y DEBE LLEVAR DE DESDE A HASTA</source>
        <translation>--sweep: STEP must be non-zero and lead from FROM to TO</translation>
    </message>
    <message>
        <source>--sweep DA MAS DE %1 TEMPERATURAS</source>
        <translation>--sweep gives more than %1 temperatures</translation>
    </message>
    <message>
        <source>%1 NECESITA --plot</source>
        <translation>%1 needs --plot</translation>
    </message>
    <message>
        <source>--plot Y --plot-file VAN JUNTAS</source>
        <translation>--plot and --plot-file go together</translation>
    </message>
    <message>
        <source>--plot LLEVA %1 (LA FAMILIA %2 NO TIENE %3)</source>
        <translation>--plot takes %1 (the %2 family has no %3)</translation>
    </message>
    <message>
        <source>--plot-file DEBE TERMINAR EN .png O .svg</source>
        <translation>--plot-file must end in .png or .svg</translation>
    </message>
    <message>
        <source>--plot-size LLEVA ANCHOxALTO, CADA UNO DE 100 A 10000 PIXELES</source>
        <translation>--plot-size takes WIDTHxHEIGHT, each 100 to 10000 pixels</translation>
    </message>
    <message>
        <source>--plot-axis DEBE SER linear O log</source>
        <translation>--plot-axis must be linear or log</translation>
    </message>
    <message>
        <source>--family DEBE SER GASES O LIQUIDOS</source>
        <translation>--family must be GASES or LIQUIDOS</translation>
    </message>
    <message>
        <source>FALTA --fluid</source>
        <translation>--fluid is required</translation>
    </message>
    <message>
        <source>INDIQUE --temp O --sweep, UNA DE LAS DOS</source>
        <translation>give either --temp or --sweep</translation>
    </message>
    <message>
        <source>--units DEBE SER SI O INGLES</source>
        <translation>--units must be SI or INGLES</translation>
    </message>
    <message>
        <source>UN GAS NECESITA --pressure</source>
        <translation>a gas needs --pressure</translation>
    </message>
    <message>
        <source>--pressure ES SOLO PARA GASES</source>
        <translation>--pressure is for gases only</translation>
    </message>
    <message>
        <source>--format DEBE SER csv, tsv O results</source>
        <translation>--format must be csv, tsv or results</translation>
    </message>
    <message>
        <source>  --fluid NOMBRE            </source>
        <translation>  --fluid NAME              </translation>
    </message>
    <message>
        <source>un fluido incorporado, con su nombre exacto, mayúsculas y minúsculas incluidas (%1), o el título de una tabla guardada en el archivo de base de datos de la familia.</source>
        <translation>a built-in fluid, matched exactly, letter case included (%1), or the title of a table stored in the family&apos;s database file.</translation>
    </message>
    <message>
        <source>%1 y, para líquidos, %2</source>
        <translation>%1 and, for liquids, %2</translation>
    </message>
    <message>
        <source>%1 o, para líquidos, %2</source>
        <translation>%1 or, for liquids, %2</translation>
    </message>
    <message>
        <source>Modo de empleo: velmorantes-calc --family FAMILIA --fluid NOMBRE --temp VALOR [OPCIÓN]...
  o:  velmorantes-calc --family FAMILIA --fluid NOMBRE --sweep DESDE:HASTA:PASO [OPCIÓN]...

Calcula las propiedades de un fluido como la pantalla de propiedades de VELMORANTES e
imprime la línea de encabezado del archivo de resultados y después una línea de valores
por temperatura (separados por comas, UTF-8): T tal como se dio, %1.

  --family GASES|LIQUIDOS   la familia del fluido.
%2  --temp VALOR              la temperatura, en la escala de --scale.
  --sweep DESDE:HASTA:PASO  las temperaturas DESDE, DESDE+PASO, ... hasta HASTA incluida.
  --scale K|ºC|ºF           K o ºC (también C) en unidades SI, ºF (también F) en unidades
                            inglesas; por omisión K en SI y ºF en INGLES. ºC suma 273 y
                            ºF da (F - 32) * 5 / 9 + 273.
  --pressure VALOR          la presión absoluta, solo para gases y obligatoria para ellos:
                            kPa en unidades SI, psi en unidades inglesas (14.696 psi =
                            101.3 kPa).
  --units SI|INGLES         el sistema de unidades de los resultados (por omisión SI;
                            ENGLISH vale por INGLES).
  --output ARCHIVO          añade además los resultados a ARCHIVO en el formato del
                            archivo de resultados (Latin-1, CR LF); un archivo nuevo o
                            vacío recibe antes el encabezado.
  --db-dir CARPETA          la carpeta de GASES.mdb y LIQUIDOS.mdb (por omisión, la
                            carpeta actual).
  --format csv|tsv|results  imprime la tabla de otra forma, una vez hechas todas las
                            temperaturas: csv (una fila de encabezado, decimales con &quot;.&quot;,
                            cada valor con toda su precisión y de dónde salió cada fila),
                            tsv (lo mismo separado por tabuladores, con el separador
                            decimal de la configuración regional, como la pantalla de
                            tablas lo copia para una hoja de cálculo) o results (los
                            bytes del archivo de resultados: Latin-1, CR LF).
  --plot PROPIEDAD          dibuja PROPIEDAD frente a la temperatura en --plot-file:
                            %3.
  --plot-file ARCHIVO       la imagen, PNG o SVG según su terminación; sustituye a
                            ARCHIVO solo cuando está completa. No hace falta pantalla.
  --plot-size ANxAL         su tamaño en píxeles, de 100 a 10000 cada uno (por omisión
                            800x600).
  --plot-axis linear|log    el eje de valores (por omisión linear; log deja fuera los
                            valores &lt;= 0).
  --language es|en          el idioma de los mensajes y de esta ayuda (por omisión, el de
                            la configuración regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    muestra esta ayuda y termina.
  --version                 muestra la versión y termina.

Los números llevan &quot;.&quot; como separador decimal; se acepta en su lugar una coma solo con una
configuración regional que escribe así los números; nunca separadores de miles. Un fluido
incorporado fuera del rango de su correlación recibe un aviso y se evalúa con su tabla
guardada, como cualquier otro fluido. Los mensajes van a la salida de error.

Estado de salida: 0 todos los valores calculados; 1 una entrada rechazada o un valor no
calculado; 2 un error de uso.
</source>
        <translation>Usage: velmorantes-calc --family FAMILY --fluid NAME --temp VALUE [OPTION]...
  or:  velmorantes-calc --family FAMILY --fluid NAME --sweep FROM:TO:STEP [OPTION]...

Computes the properties of a fluid as the VELMORANTES property screen does and prints the
heading line of the results file, then one values line per temperature (comma-separated,
UTF-8): T as given, %1.

  --family GASES|LIQUIDOS   the fluid family.
%2  --temp VALUE              the temperature, in the scale of --scale.
  --sweep FROM:TO:STEP      the temperatures FROM, FROM+STEP, ... up to TO included.
  --scale K|ºC|ºF           K or ºC (also C) under SI units, ºF (also F) under English
                            units; default K under SI, ºF under INGLES. ºC adds 273 and
                            ºF gives (F - 32) * 5 / 9 + 273.
  --pressure VALUE          the absolute pressure, gases only and required for them: kPa
                            under SI units, psi under English units (14.696 psi = 101.3 kPa).
  --units SI|INGLES         the unit system of the results (default SI; ENGLISH is taken
                            for INGLES).
  --output FILE             also append the results to FILE in the results-file format
                            (Latin-1, CR LF); a new or empty file gets the heading first.
  --db-dir DIR              the folder of GASES.mdb and LIQUIDOS.mdb (default: the
                            current folder).
  --format csv|tsv|results  print the table in another form, once every temperature is
                            done: csv (a heading row, &quot;.&quot; decimals, every value to full
                            precision, and where each row came from), tsv (the same
                            separated by tabs, with the locale&apos;s decimal separator, as
                            the table screen copies it for a spreadsheet) or results (the
                            results file&apos;s bytes: Latin-1, CR LF).
  --plot PROPERTY           draw PROPERTY against the temperature into --plot-file:
                            %3.
  --plot-file FILE          the picture, PNG or SVG after its ending; it replaces FILE
                            only once complete. No display is needed.
  --plot-size WxH           its size in pixels, 100 to 10000 each (default 800x600).
  --plot-axis linear|log    the value axis (default linear; log leaves out values &lt;= 0).
  --language es|en          the language of the messages and of this help (default: the
                            locale&apos;s: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    print this help and stop.
  --version                 print the version and stop.

Numbers take &quot;.&quot; as the decimal point; a comma is accepted instead only under a locale
that writes numbers with one; digit grouping never. A built-in fluid outside its
correlation range is warned about and evaluated from its stored table, like any other
fluid. Messages go to standard error.

Exit status: 0 every value computed; 1 an entry refused or a value not computed; 2 a usage
error.
</translation>
    </message>
    <message>
        <source>%1 NO SE USA CON --convection</source>
        <translation>%1 is not taken with --convection</translation>
    </message>
    <message>
        <source>--format CON --convection DEBE SER csv</source>
        <translation>--format with --convection must be csv</translation>
    </message>
    <message>
        <source>%1 DEBE SER %2</source>
        <translation>%1 must be %2</translation>
    </message>
    <message>
        <source>%1 SE VARIA CON --vary: INDIQUELO SOLO ALLI</source>
        <translation>%1 is varied by --vary: give it only there</translation>
    </message>
    <message>
        <source>%1 NECESITA %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>%1 NO SE USA CON %2</source>
        <translation>%1 is not taken by %2</translation>
    </message>
    <message>
        <source>%1 NO SE USA EN CONVECCION LIBRE</source>
        <translation>%1 is not taken in free convection</translation>
    </message>
    <message>
        <source>--vary length VARIA L MISMA, NO --area NI --perimeter</source>
        <translation>--vary length varies L itself, not --area or --perimeter</translation>
    </message>
    <message>
        <source>%1 NO SE USA CON --area Y --perimeter</source>
        <translation>%1 is not taken with --area and --perimeter</translation>
    </message>
    <message>
        <source>%1 ES SOLO PARA tube</source>
        <translation>%1 is for tube only</translation>
    </message>
    <message>
        <source>--convection LLEVA %1</source>
        <translation>--convection takes %1</translation>
    </message>
    <message>
        <source>--vary DEBE SER velocity, length, diameter O surface-temp</source>
        <translation>--vary must be velocity, length, diameter or surface-temp</translation>
    </message>
    <message>
        <source>%1 NO TIENE %2 QUE VARIAR</source>
        <translation>%1 has no %2 to vary</translation>
    </message>
    <message>
        <source>--vary Y --sweep VAN JUNTAS</source>
        <translation>--vary and --sweep go together</translation>
    </message>
    <message>
        <source>--sweep DA MAS DE %1 VALORES</source>
        <translation>--sweep gives more than %1 values</translation>
    </message>
    <message>
        <source>Coeficientes de convección (las propiedades, del mismo motor y de las mismas tablas):
  velmorantes-calc --family F --fluid NOMBRE --convection CASO --surface-temp TS
                   --fluid-temp TINF (--length L | --diameter D) [--velocity V]
                   [--pressure P] [--units SI|INGLES] [--scale ...]
                   [--tube-condition temperature|flux]
                   [--correlation gnielinski|dittus-boelter]
                   [--vary velocity|length|diameter|surface-temp --sweep DESDE:HASTA:PASO]
                   [--format csv]

  --convection CASO         %1
  --surface-temp TS         la temperatura de la superficie, en la escala de --scale.
  --fluid-temp TINF         la temperatura del fluido lejos de la superficie (en tube, la
                            temperatura media del fluido).
  --length L                la longitud de la placa (vertical-plate: su altura; placas
                            horizontales: área entre perímetro, o dé --area A y
                            --perimeter P).
  --diameter D              cylinder, sphere, tube, horizontal-cylinder, sphere-free.
  --velocity V              solo en convección forzada (m/s, pie/s en INGLES); las
                            longitudes en m o pie.
  --tube-condition          flujo laminar en un tubo: temperatura de la superficie
                            uniforme (temperature, por omisión) o flujo de calor uniforme
                            (flux).
  --correlation             flujo turbulento en un tubo: gnielinski (por omisión) o
                            dittus-boelter.
  --vary X --sweep D:H:P    un cálculo por cada valor de X, en lugar del valor dado.
  --format csv              CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,
                            BETA,MIU_S,RE,GR,RA,NU,H,Q: una fila por cálculo, con toda su
                            precisión, en las unidades elegidas (h en W/(m^2.K) o
                            Btu/(h.pie^2.ºF), q en W/m^2 o Btu/(h.pie^2)); un campo que no
                            corresponde queda vacío.
Sin --format se imprime la derivación paso a paso. Una correlación usada fuera de su rango
declarado recibe un aviso en la salida de error, y se calcula de todos modos.
</source>
        <translation>Convection coefficients (the properties from the same engine and tables):
  velmorantes-calc --family F --fluid NAME --convection CASE --surface-temp TS
                   --fluid-temp TINF (--length L | --diameter D) [--velocity V]
                   [--pressure P] [--units SI|INGLES] [--scale ...]
                   [--tube-condition temperature|flux]
                   [--correlation gnielinski|dittus-boelter]
                   [--vary velocity|length|diameter|surface-temp --sweep FROM:TO:STEP]
                   [--format csv]

  --convection CASE         %1
  --surface-temp TS         the surface temperature, in the scale of --scale.
  --fluid-temp TINF         the free-stream temperature (for tube, the mean fluid
                            temperature).
  --length L                the plate&apos;s length (vertical-plate: its height; horizontal
                            plates: area over perimeter, or give --area A and
                            --perimeter P).
  --diameter D              cylinder, sphere, tube, horizontal-cylinder, sphere-free.
  --velocity V              forced flow only (m/s, ft/s under INGLES); lengths in m or
                            ft.
  --tube-condition          laminar tube flow: uniform surface temperature (temperature,
                            the default) or uniform heat flux (flux).
  --correlation             turbulent tube flow: gnielinski (the default) or
                            dittus-boelter.
  --vary X --sweep F:T:S    one calculation per value of X, instead of the one given.
  --format csv              CASO,CORRELACION,T_PROPIEDADES,DEN,CP,MIU,UN,K,ALFA,PR,
                            BETA,MIU_S,RE,GR,RA,NU,H,Q: one row per calculation, to full
                            precision, in the units chosen (h in W/(m^2.K) or
                            Btu/(h.ft^2.ºF), q in W/m^2 or Btu/(h.ft^2)); a field that
                            does not apply is empty.
Without --format the derivation is printed step by step. A correlation used outside its
stated range is warned about on standard error, and computed all the same.
</translation>
    </message>
</context>
<context>
    <name>velm::convection</name>
    <message>
        <source>Nu = 0.023 Re^(4/5) Pr^n, n = 0.4 (Ts &gt; T) o 0.3</source>
        <translation>Nu = 0.023 Re^(4/5) Pr^n, n = 0.4 (Ts &gt; T) or 0.3</translation>
    </message>
    <message>
        <source>LA LONGITUD DEBE SER MAYOR QUE CERO</source>
        <translation>THE LENGTH MUST BE GREATER THAN ZERO</translation>
    </message>
    <message>
        <source>EL DIAMETRO DEBE SER MAYOR QUE CERO</source>
        <translation>THE DIAMETER MUST BE GREATER THAN ZERO</translation>
    </message>
    <message>
        <source>EL AREA DEBE SER MAYOR QUE CERO</source>
        <translation>THE AREA MUST BE GREATER THAN ZERO</translation>
    </message>
    <message>
        <source>EL PERIMETRO DEBE SER MAYOR QUE CERO</source>
        <translation>THE PERIMETER MUST BE GREATER THAN ZERO</translation>
    </message>
    <message>
        <source>LA VELOCIDAD DEBE SER MAYOR QUE CERO</source>
        <translation>THE VELOCITY MUST BE GREATER THAN ZERO</translation>
    </message>
    <message>
        <source>EL VALOR INICIAL (DESDE) ES MAYOR QUE EL FINAL (HASTA)</source>
        <translation>THE FIRST VALUE (FROM) IS GREATER THAN THE LAST (TO)</translation>
    </message>
    <message>
        <source>SON MAS DE %1 VALORES   AUMENTE EL PASO O REDUZCA EL RANGO</source>
        <translation>MORE THAN %1 VALUES   INCREASE THE STEP OR NARROW THE RANGE</translation>
    </message>
    <message>
        <source>%1 = %2 SE ENCUENTRA FUERA DEL RANGO DE LA CORRELACION %3 ( %4 ) ,   SE CALCULARA DE TODOS MODOS (POCO RECOMENDABLE)</source>
        <translation>%1 = %2 LIES OUTSIDE THE RANGE OF THE CORRELATION %3 ( %4 ) ,   IT WILL BE COMPUTED ANYWAY (NOT RECOMMENDED)</translation>
    </message>
    <message>
        <source>CASO: %1 (%2)</source>
        <translation>CASE: %1 (%2)</translation>
    </message>
    <message>
        <source>FLUIDO: %1 (GASES) A UNA PRESION ABSOLUTA DE %2 %3</source>
        <translation>FLUID: %1 (GASES) AT AN ABSOLUTE PRESSURE OF %2 %3</translation>
    </message>
    <message>
        <source>FLUIDO: %1 (LIQUIDOS)</source>
        <translation>FLUID: %1 (LIQUIDS)</translation>
    </message>
    <message>
        <source>TEMPERATURA DE LA SUPERFICIE TS = %1 %2</source>
        <translation>SURFACE TEMPERATURE TS = %1 %2</translation>
    </message>
    <message>
        <source>TEMPERATURA MEDIA DEL FLUIDO TINF = %1 %2</source>
        <translation>MEAN FLUID TEMPERATURE TINF = %1 %2</translation>
    </message>
    <message>
        <source>TEMPERATURA DEL FLUIDO TINF = %1 %2</source>
        <translation>FLUID TEMPERATURE TINF = %1 %2</translation>
    </message>
    <message>
        <source>LONGITUD L = %1 %2</source>
        <translation>LENGTH L = %1 %2</translation>
    </message>
    <message>
        <source>DIAMETRO D = %1 %2</source>
        <translation>DIAMETER D = %1 %2</translation>
    </message>
    <message>
        <source>LONGITUD CARACTERISTICA L = A/P = %1 %2</source>
        <translation>CHARACTERISTIC LENGTH L = A/P = %1 %2</translation>
    </message>
    <message>
        <source>VELOCIDAD V = %1 %2</source>
        <translation>VELOCITY V = %1 %2</translation>
    </message>
    <message>
        <source>CONDICION EN LA PARED: FLUJO DE CALOR UNIFORME</source>
        <translation>WALL CONDITION: UNIFORM HEAT FLUX</translation>
    </message>
    <message>
        <source>CONDICION EN LA PARED: TEMPERATURA UNIFORME</source>
        <translation>WALL CONDITION: UNIFORM TEMPERATURE</translation>
    </message>
    <message>
        <source>PROPIEDADES A LA TEMPERATURA DE PELICULA TF = (TS + TINF) / 2 = %1 %2</source>
        <translation>PROPERTIES AT THE FILM TEMPERATURE TF = (TS + TINF) / 2 = %1 %2</translation>
    </message>
    <message>
        <source>PROPIEDADES A LA TEMPERATURA DEL FLUIDO TINF = %1 %2</source>
        <translation>PROPERTIES AT THE FLUID TEMPERATURE TINF = %1 %2</translation>
    </message>
    <message>
        <source>   %1 = 1 / T = %2 (GAS IDEAL)</source>
        <translation>   %1 = 1 / T = %2 (IDEAL GAS)</translation>
    </message>
    <message>
        <source>   %1 A LA TEMPERATURA DE LA SUPERFICIE = %2</source>
        <translation>   %1 AT THE SURFACE TEMPERATURE = %2</translation>
    </message>
    <message>
        <source>CORRELACION: %1</source>
        <translation>CORRELATION: %1</translation>
    </message>
    <message>
        <source>   RANGO: %1</source>
        <translation>   RANGE: %1</translation>
    </message>
    <message>
        <source>AVISO: %1</source>
        <translation>WARNING: %1</translation>
    </message>
    <message>
        <source>PLACA PLANA EN FLUJO PARALELO</source>
        <translation>FLAT PLATE IN PARALLEL FLOW</translation>
    </message>
    <message>
        <source>CILINDRO EN FLUJO CRUZADO</source>
        <translation>CYLINDER IN CROSS FLOW</translation>
    </message>
    <message>
        <source>ESFERA EN FLUJO EXTERNO</source>
        <translation>SPHERE IN EXTERNAL FLOW</translation>
    </message>
    <message>
        <source>FLUJO INTERNO EN UN TUBO</source>
        <translation>INTERNAL FLOW IN A TUBE</translation>
    </message>
    <message>
        <source>PLACA VERTICAL, CONVECCION LIBRE</source>
        <translation>VERTICAL PLATE, FREE CONVECTION</translation>
    </message>
    <message>
        <source>CILINDRO HORIZONTAL, CONVECCION LIBRE</source>
        <translation>HORIZONTAL CYLINDER, FREE CONVECTION</translation>
    </message>
    <message>
        <source>ESFERA, CONVECCION LIBRE</source>
        <translation>SPHERE, FREE CONVECTION</translation>
    </message>
    <message>
        <source>PLACA HORIZONTAL, CARA HACIA ARRIBA, CONVECCION LIBRE</source>
        <translation>HORIZONTAL PLATE, FACE UP, FREE CONVECTION</translation>
    </message>
    <message>
        <source>PLACA HORIZONTAL, CARA HACIA ABAJO, CONVECCION LIBRE</source>
        <translation>HORIZONTAL PLATE, FACE DOWN, FREE CONVECTION</translation>
    </message>
    <message>
        <source>FUERA DEL RANGO DE LA CORRELACION</source>
        <translation>OUTSIDE THE RANGE OF THE CORRELATION</translation>
    </message>
</context>
<context>
    <name>velm::families</name>
    <message>
        <source>GASES</source>
        <translation>GASES</translation>
    </message>
    <message>
        <source>LIQUIDOS</source>
        <translation>LIQUIDS</translation>
    </message>
</context>
<context>
    <name>velm::fluids</name>
    <message>
        <source>AIRE</source>
        <translation>AIRE (air)</translation>
    </message>
    <message>
        <source>AMONIACO</source>
        <translation>AMONIACO (ammonia)</translation>
    </message>
    <message>
        <source>CO</source>
        <translation>CO (carbon monoxide)</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>CO2 (carbon dioxide)</translation>
    </message>
    <message>
        <source>HELIO</source>
        <translation>HELIO (helium)</translation>
    </message>
    <message>
        <source>HIDROGENO</source>
        <translation>HIDROGENO (hydrogen)</translation>
    </message>
    <message>
        <source>NITROGENO</source>
        <translation>NITROGENO (nitrogen)</translation>
    </message>
    <message>
        <source>OXIGENO</source>
        <translation>OXIGENO (oxygen)</translation>
    </message>
    <message>
        <source>VAPOR</source>
        <translation>VAPOR (steam)</translation>
    </message>
    <message>
        <source>ACEITE</source>
        <translation>ACEITE (engine oil)</translation>
    </message>
    <message>
        <source>AGUA</source>
        <translation>AGUA (water)</translation>
    </message>
    <message>
        <source>FREON12</source>
        <translation>FREON12 (Freon 12)</translation>
    </message>
    <message>
        <source>GLICERINA</source>
        <translation>GLICERINA (glycerin)</translation>
    </message>
    <message>
        <source>GLICOL</source>
        <translation>GLICOL (ethylene glycol)</translation>
    </message>
    <message>
        <source>MERCURIO</source>
        <translation>MERCURIO (mercury)</translation>
    </message>
    <message>
        <source>SO2</source>
        <translation>SO2 (sulphur dioxide)</translation>
    </message>
</context>
<context>
    <name>velm::import</name>
    <message>
        <source>Modo de empleo: velmorantes-import ANTIGUO.mdb NUEVO.mdb --family GASES|LIQUIDOS

Convierte un archivo de base de datos de Access de un VELMORANTES anterior (GASES.mdb o
LIQUIDOS.mdb, formato Jet) en un archivo de base de datos nuevo con el formato de este
programa, e imprime lo que tomó y lo que dejó fuera.

  ANTIGUO.mdb               el archivo de Access: solo se lee, nunca se escribe.
  NUEVO.mdb                 el archivo nuevo, que aún no debe existir. Nombrar otra vez
                            ANTIGUO.mdb lo convierte en su sitio: el original se conserva
                            entonces junto al archivo nuevo como ANTIGUO.access.mdb
                            (ANTIGUO.access-2.mdb ... si ese nombre está ocupado).
  --family GASES|LIQUIDOS   la familia de las tablas del archivo.
  --language es|en          el idioma de los mensajes y de esta ayuda (por omisión, el de
                            la configuración regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    muestra esta ayuda y termina.
  --version                 muestra la versión y termina.

Se toma una tabla que tiene todas las columnas de su familia: TEMP DEN CP MIU UN K ALFA PR
y, para líquidos, BETA, cada una numérica (no importan las mayúsculas ni el orden de las
columnas; las demás columnas se ignoran). Su título se conserva tal cual y cada valor se
guarda como el número de precisión simple más cercano. Quedan fuera, y se informa de ello:
cualquier otra tabla, una tabla de líquidos sin BETA, una tabla dañada y una fila a la que
le falta un valor (el resto de su tabla se toma). Una tabla sin filas se toma sin filas.
Cada fluido incorporado para el que el archivo antiguo no tiene tabla recibe la tabla
propia del programa, después de las importadas. El archivo nuevo se escribe aparte y solo
aparece cuando está completo.

El propio programa ofrece la misma conversión cuando encuentra un archivo de Access en
lugar de GASES.mdb o LIQUIDOS.mdb.

Estado de salida: 0 todas las tablas y filas tomadas; 1 alguna quedó fuera (véase el
informe); 2 un error de uso, o un archivo que no se pudo leer o escribir (entonces no se
escribe nada).
</source>
        <translation>Usage: velmorantes-import OLD.mdb NEW.mdb --family GASES|LIQUIDOS

Converts an Access database file of an earlier VELMORANTES (GASES.mdb or LIQUIDOS.mdb, Jet
format) into a new database file of this program&apos;s format, and prints what it took over
and what it left out.

  OLD.mdb                   the Access file: only read, never written.
  NEW.mdb                   the new file, which must not exist yet. Naming OLD.mdb again
                            converts it in place: the original is then kept beside the new
                            file as OLD.access.mdb (OLD.access-2.mdb ... if that is taken).
  --family GASES|LIQUIDOS   the family of the file&apos;s tables.
  --language es|en          the language of the messages and of this help (default: the
                            locale&apos;s: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  --help                    print this help and stop.
  --version                 print the version and stop.

A table is taken over when it has every column of its family: TEMP DEN CP MIU UN K ALFA PR
and, for liquids, BETA, each a number (letter case and column order do not matter; other
columns are ignored). Its title is kept exactly and every value is stored as the nearest
single-precision number. Left out, and reported: any other table, a liquid table without
BETA, a damaged table, and a row lacking a value (the rest of its table is taken over). A
table without rows is taken over without rows. Each built-in fluid the old file has no
table for gets the program&apos;s own table, after the imported ones. The new file is written
aside and appears only when complete.

The program itself offers the same conversion when it finds an Access file in place of
GASES.mdb or LIQUIDOS.mdb.

Exit status: 0 every table and row taken over; 1 some left out (see the report); 2 a usage
error, or a file that could not be read or written (nothing is written then).
</translation>
    </message>
    <message>
        <source>--family NECESITA UN VALOR</source>
        <translation>--family needs a value</translation>
    </message>
    <message>
        <source>ARGUMENTO DESCONOCIDO &apos;%1&apos;</source>
        <translation>unknown argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--family SE DIO DOS VECES</source>
        <translation>--family given twice</translation>
    </message>
    <message>
        <source>--family DEBE SER GASES O LIQUIDOS</source>
        <translation>--family must be GASES or LIQUIDOS</translation>
    </message>
    <message>
        <source>INDIQUE EL ARCHIVO ANTIGUO Y EL ARCHIVO NUEVO</source>
        <translation>give the old file and the new file</translation>
    </message>
    <message>
        <source>FALTA --family</source>
        <translation>--family is required</translation>
    </message>
</context>
<context>
    <name>velm::language</name>
    <message>
        <source>--language DEBE SER es O en (SE DIO &apos;%1&apos;)</source>
        <translation>--language must be es or en (not &apos;%1&apos;)</translation>
    </message>
</context>
<context>
    <name>velm::msg</name>
    <message>
        <source> DEBE INTRODUCIR UN NUMERO</source>
        <translation> YOU MUST ENTER A NUMBER</translation>
    </message>
    <message>
        <source>ESTA TEMPERATURA NO EXISTE </source>
        <translation>THIS TEMPERATURE DOES NOT EXIST </translation>
    </message>
    <message>
        <source>LA PRESION ES ABSOLUTA   ¡NO PUEDE SER NEGATIVA!</source>
        <translation>THE PRESSURE IS ABSOLUTE:   IT CANNOT BE NEGATIVE!</translation>
    </message>
    <message>
        <source>EL NUMERO DE REGISTROS EN LA TABLA NO ES SUFICIENTE (ES MENOR QUE 2) PARA REALIZAR LA INTERPOLACION</source>
        <translation>THE TABLE HOLDS TOO FEW RECORDS (FEWER THAN 2) TO INTERPOLATE</translation>
    </message>
    <message>
        <source>LA PRESION ES CERO   ¡NO SE PUEDEN CALCULAR LAS PROPIEDADES!  INTRODUZCA UNA PRESION MAYOR QUE CERO</source>
        <translation>THE PRESSURE IS ZERO:   THE PROPERTIES CANNOT BE CALCULATED!  ENTER A PRESSURE ABOVE ZERO</translation>
    </message>
    <message>
        <source>LAS PROPIEDADES NO SE PUEDEN CALCULAR A ESTA TEMPERATURA Y PRESION (EL RESULTADO NO ES UN NUMERO)</source>
        <translation>THE PROPERTIES CANNOT BE CALCULATED AT THIS TEMPERATURE AND PRESSURE (THE RESULT IS NOT A NUMBER)</translation>
    </message>
    <message>
        <source>ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %1 %2 ,   SE EXTRAPOLARA (POCO RECOMENDABLE)</source>
        <translation>THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE EQUATION OF %1 %2 ,   IT WILL BE EXTRAPOLATED (NOT RECOMMENDED)</translation>
    </message>
    <message>
        <source>ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  ( LA TEMPERATURA ES MAYOR A %2 ) SE EXTRAPOLARA</source>
        <translation>THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE TABLE %1  ( THE TEMPERATURE IS ABOVE %2 ) IT WILL BE EXTRAPOLATED</translation>
    </message>
    <message>
        <source>ESTA TEMPERATURA SE ENCUENTRA FUERA DEL RANGO DE LA TABLA %1  ( LA TEMPERATURA ES MENOR A %2) SE EXTRAPOLARA</source>
        <translation>THIS TEMPERATURE LIES OUTSIDE THE RANGE OF THE TABLE %1  ( THE TEMPERATURE IS BELOW %2) IT WILL BE EXTRAPOLATED</translation>
    </message>
    <message>
        <source>LA TEMPERATURA INICIAL (DESDE) ES MAYOR QUE LA FINAL (HASTA)</source>
        <translation>THE FIRST TEMPERATURE (FROM) IS ABOVE THE LAST (TO)</translation>
    </message>
    <message>
        <source>EL PASO DEBE SER UN NUMERO MAYOR QUE CERO</source>
        <translation>THE STEP MUST BE A NUMBER ABOVE ZERO</translation>
    </message>
    <message>
        <source>SON MAS DE %1 TEMPERATURAS   AUMENTE EL PASO O REDUZCA EL RANGO</source>
        <translation>THAT IS MORE THAN %1 TEMPERATURES   INCREASE THE STEP OR NARROW THE RANGE</translation>
    </message>
    <message>
        <source>%1 TEMPERATURA FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 %3 SE EXTRAPOLO CON LA TABLA %2 (POCO RECOMENDABLE)</source>
        <translation>%1 TEMPERATURE OUTSIDE THE RANGE OF THE EQUATION OF %2 %3 WAS EXTRAPOLATED FROM THE TABLE %2 (NOT RECOMMENDED)</translation>
    </message>
    <message>
        <source>%1 TEMPERATURAS FUERA DEL RANGO DE LA ECUACION DEL (DE LA) %2 %3 SE EXTRAPOLARON CON LA TABLA %2 (POCO RECOMENDABLE)</source>
        <translation>%1 TEMPERATURES OUTSIDE THE RANGE OF THE EQUATION OF %2 %3 WERE EXTRAPOLATED FROM THE TABLE %2 (NOT RECOMMENDED)</translation>
    </message>
    <message>
        <source>%1 TEMPERATURA FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLO</source>
        <translation>%1 TEMPERATURE OUTSIDE THE RANGE OF THE TABLE %2 WAS EXTRAPOLATED</translation>
    </message>
    <message>
        <source>%1 TEMPERATURAS FUERA DEL RANGO DE LA TABLA %2 SE EXTRAPOLARON</source>
        <translation>%1 TEMPERATURES OUTSIDE THE RANGE OF THE TABLE %2 WERE EXTRAPOLATED</translation>
    </message>
    <message>
        <source>%1 TEMPERATURA NO SE PUDO CALCULAR (EL RESULTADO NO ES UN NUMERO)</source>
        <translation>%1 TEMPERATURE COULD NOT BE CALCULATED (THE RESULT IS NOT A NUMBER)</translation>
    </message>
    <message>
        <source>%1 TEMPERATURAS NO SE PUDIERON CALCULAR (EL RESULTADO NO ES UN NUMERO)</source>
        <translation>%1 TEMPERATURES COULD NOT BE CALCULATED (THE RESULT IS NOT A NUMBER)</translation>
    </message>
    <message>
        <source>NO SE PUDO GUARDAR LA TABLA EN EL ARCHIVO %1</source>
        <translation>THE TABLE COULD NOT BE SAVED IN THE FILE %1</translation>
    </message>
    <message>
        <source>NO SE PUDO GUARDAR LA GRAFICA EN EL ARCHIVO %1</source>
        <translation>THE PLOT COULD NOT BE SAVED IN THE FILE %1</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 NO ES UNA BASE DE DATOS DE ACCESS; NO SE HA CONVERTIDO NI MODIFICADO</source>
        <translation>THE FILE %1 IS NOT AN ACCESS DATABASE; IT HAS NEITHER BEEN CONVERTED NOR CHANGED</translation>
    </message>
    <message>
        <source>EL ARCHIVO DE ACCESS %1 ESTA DAÑADO (%2); NO SE HA CONVERTIDO NI MODIFICADO</source>
        <translation>THE ACCESS FILE %1 IS DAMAGED (%2); IT HAS NEITHER BEEN CONVERTED NOR CHANGED</translation>
    </message>
    <message>
        <source>ESTA INCOMPLETO: SE CORTO ANTES DE SU FINAL</source>
        <translation>IT IS INCOMPLETE: IT WAS CUT SHORT BEFORE ITS END</translation>
    </message>
    <message>
        <source>SU VERSION NO SE CONOCE</source>
        <translation>ITS VERSION IS UNKNOWN</translation>
    </message>
    <message>
        <source>NO SE PUEDE LEER SU LISTA DE TABLAS</source>
        <translation>ITS LIST OF TABLES CANNOT BE READ</translation>
    </message>
    <message>
        <source>SU LECTURA SE INTERRUMPIO</source>
        <translation>ITS READING WAS INTERRUPTED</translation>
    </message>
    <message>
        <source>SU LECTURA DIO DATOS INCOHERENTES</source>
        <translation>ITS READING GAVE INCONSISTENT DATA</translation>
    </message>
    <message>
        <source>SUS TABLAS NO CABEN EN LA MEMORIA DEL LECTOR</source>
        <translation>ITS TABLES DO NOT FIT IN THE READER&apos;S MEMORY</translation>
    </message>
    <message>
        <source>NO SE PUEDE LEER SU DEFINICION</source>
        <translation>ITS DEFINITION CANNOT BE READ</translation>
    </message>
    <message>
        <source>UN VALOR NO ESTA DONDE SU FILA DICE</source>
        <translation>A VALUE IS NOT WHERE ITS ROW SAYS</translation>
    </message>
    <message>
        <source>SU LECTURA NO TERMINO EN %1 SEGUNDOS</source>
        <translation>ITS READING DID NOT END WITHIN %1 SECONDS</translation>
    </message>
    <message>
        <source>SE LEYERON %1 FILAS DE LAS %2 QUE DECLARA</source>
        <translation>%1 ROWS WERE READ OF THE %2 IT DECLARES</translation>
    </message>
    <message>
        <source>NO ES UNA TABLA DE FLUIDO: LE FALTAN LAS COLUMNAS %1</source>
        <translation>NOT A FLUID TABLE: IT LACKS THE COLUMNS %1</translation>
    </message>
    <message>
        <source>NO ES UNA TABLA DE FLUIDO: LE FALTA LA COLUMNA %1</source>
        <translation>NOT A FLUID TABLE: IT LACKS THE COLUMN %1</translation>
    </message>
    <message>
        <source>LE FALTA LA COLUMNA BETA, QUE TODA TABLA DE LIQUIDOS LLEVA</source>
        <translation>IT LACKS THE COLUMN BETA, WHICH EVERY LIQUID TABLE HAS</translation>
    </message>
    <message>
        <source>LA COLUMNA %1 NO ES NUMERICA</source>
        <translation>THE COLUMN %1 IS NOT NUMERIC</translation>
    </message>
    <message>
        <source>ESTA DAÑADA: %1</source>
        <translation>IT IS DAMAGED: %1</translation>
    </message>
    <message>
        <source>SU NOMBRE NO SE PUEDE LEER</source>
        <translation>ITS NAME CANNOT BE READ</translation>
    </message>
    <message>
        <source>SU NOMBRE ESTA RESERVADO A LAS TABLAS PROPIAS DE SQLITE</source>
        <translation>ITS NAME IS RESERVED FOR SQLITE&apos;S OWN TABLES</translation>
    </message>
    <message>
        <source>YA SE IMPORTO OTRA TABLA DEL MISMO NOMBRE</source>
        <translation>ANOTHER TABLE OF THE SAME NAME WAS ALREADY IMPORTED</translation>
    </message>
    <message>
        <source>FALTAN LOS VALORES DE %1</source>
        <translation>THE VALUES OF %1 ARE MISSING</translation>
    </message>
    <message>
        <source>FALTA EL VALOR DE %1</source>
        <translation>THE VALUE OF %1 IS MISSING</translation>
    </message>
    <message>
        <source>EL VALOR DE %1 NO ES UN NUMERO FINITO DE PRECISION SIMPLE</source>
        <translation>THE VALUE OF %1 IS NOT A FINITE SINGLE-PRECISION NUMBER</translation>
    </message>
    <message>
        <source>NUMERO %1</source>
        <translation>NUMBER %1</translation>
    </message>
    <message>
        <source>SE HAN IMPORTADO %1 TABLAS DE %2 EN %3</source>
        <translation>%1 TABLES HAVE BEEN IMPORTED FROM %2 INTO %3</translation>
    </message>
    <message>
        <source>SE HAN IMPORTADO %1 TABLA DE %2 EN %3:</source>
        <translation>%1 TABLE HAS BEEN IMPORTED FROM %2 INTO %3:</translation>
    </message>
    <message>
        <source>SE HAN IMPORTADO %1 TABLAS DE %2 EN %3:</source>
        <translation>%1 TABLES HAVE BEEN IMPORTED FROM %2 INTO %3:</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: SIN FILAS</source>
        <translation>  &quot;%1&quot;: NO ROWS</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: %2 FILA</source>
        <translation>  &quot;%1&quot;: %2 ROW</translation>
    </message>
    <message>
        <source>  &quot;%1&quot;: %2 FILAS</source>
        <translation>  &quot;%1&quot;: %2 ROWS</translation>
    </message>
    <message>
        <source>    NO SE HA IMPORTADO LA FILA %1: %2</source>
        <translation>    THE ROW %1 HAS NOT BEEN IMPORTED: %2</translation>
    </message>
    <message>
        <source>NO SE HAN IMPORTADO %1 TABLA:</source>
        <translation>%1 TABLE HAS NOT BEEN IMPORTED:</translation>
    </message>
    <message>
        <source>NO SE HAN IMPORTADO %1 TABLAS:</source>
        <translation>%1 TABLES HAVE NOT BEEN IMPORTED:</translation>
    </message>
    <message>
        <source>SE HAN AÑADIDO LAS TABLAS DEL PROGRAMA DE LOS FLUIDOS INCORPORADOS QUE FALTABAN: %1</source>
        <translation>THE PROGRAM&apos;S TABLES OF THE MISSING BUILT-IN FLUIDS HAVE BEEN ADDED: %1</translation>
    </message>
    <message>
        <source>EL ARCHIVO ORIGINAL SE CONSERVA SIN CAMBIOS COMO %1</source>
        <translation>THE ORIGINAL FILE IS KEPT UNCHANGED AS %1</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 YA EXISTE; NO SE HA SOBRESCRITO NI MODIFICADO</source>
        <translation>THE FILE %1 ALREADY EXISTS; IT HAS NEITHER BEEN OVERWRITTEN NOR CHANGED</translation>
    </message>
    <message>
        <source>NO SE PUEDE ESCRIBIR EN LA CARPETA %1; NO SE HA CONVERTIDO NI MODIFICADO NINGUN ARCHIVO</source>
        <translation>THE FOLDER %1 CANNOT BE WRITTEN TO; NO FILE HAS BEEN CONVERTED OR CHANGED</translation>
    </message>
    <message>
        <source>NO SE HA PODIDO CONVERTIR EL ARCHIVO %1 (%2); EL ORIGINAL NO SE HA MODIFICADO Y NO QUEDA NINGUN ARCHIVO NUEVO</source>
        <translation>THE FILE %1 COULD NOT BE CONVERTED (%2); THE ORIGINAL HAS NOT BEEN CHANGED AND NO NEW FILE IS LEFT</translation>
    </message>
    <message>
        <source>CONVERTIR</source>
        <translation>CONVERT</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA. ¿DESEA CONVERTIRLO AL FORMATO ACTUAL? EL ORIGINAL SE CONSERVARA SIN CAMBIOS COMO %2</source>
        <translation>THE FILE %1 IS AN ACCESS DATABASE OF AN EARLIER VERSION OF THE PROGRAM. DO YOU WANT TO CONVERT IT TO THE CURRENT FORMAT? THE ORIGINAL WILL BE KEPT UNCHANGED AS %2</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 NO ES UNA BASE DE DATOS SQLITE; NO SE HA LEIDO NI MODIFICADO</source>
        <translation>THE FILE %1 IS NOT AN SQLITE DATABASE; IT HAS NEITHER BEEN READ NOR CHANGED</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 ES UNA BASE DE DATOS DE ACCESS DE UNA VERSION ANTERIOR DEL PROGRAMA; NO SE HA LEIDO NI MODIFICADO. PARA CONVERTIRLO, ELIJA SU FAMILIA EN EL PROGRAMA Y RESPONDA SI, O USE velmorantes-import</source>
        <translation>THE FILE %1 IS AN ACCESS DATABASE OF AN EARLIER VERSION OF THE PROGRAM; IT HAS NEITHER BEEN READ NOR CHANGED. TO CONVERT IT, CHOOSE ITS FAMILY IN THE PROGRAM AND ANSWER YES, OR USE velmorantes-import</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 ES DE SOLO LECTURA; NO SE HA MODIFICADO</source>
        <translation>THE FILE %1 IS READ-ONLY; IT HAS NOT BEEN CHANGED</translation>
    </message>
    <message>
        <source>ES UNA CARPETA</source>
        <translation>IT IS A FOLDER</translation>
    </message>
    <message>
        <source>NO ES UN ARCHIVO NORMAL</source>
        <translation>IT IS NOT A REGULAR FILE</translation>
    </message>
    <message>
        <source>ES UN ENLACE CIRCULAR</source>
        <translation>IT IS A CIRCULAR LINK</translation>
    </message>
    <message>
        <source>ES UN ENLACE A UN ARCHIVO QUE NO EXISTE</source>
        <translation>IT IS A LINK TO A FILE THAT DOES NOT EXIST</translation>
    </message>
    <message>
        <source>NO EXISTE</source>
        <translation>IT DOES NOT EXIST</translation>
    </message>
    <message>
        <source>LA CARPETA NO EXISTE</source>
        <translation>THE FOLDER DOES NOT EXIST</translation>
    </message>
    <message>
        <source>NO SE PUEDE LEER EL ARCHIVO %1 (%2)</source>
        <translation>THE FILE %1 CANNOT BE READ (%2)</translation>
    </message>
    <message>
        <source>NO SE PUEDE CREAR EL ARCHIVO %1 (%2)</source>
        <translation>THE FILE %1 CANNOT BE CREATED (%2)</translation>
    </message>
    <message>
        <source>ERROR DE LA BASE DE DATOS EN EL ARCHIVO %1 (%2); NO SE HA MODIFICADO</source>
        <translation>DATABASE ERROR IN THE FILE %1 (%2); IT HAS NOT BEEN CHANGED</translation>
    </message>
    <message>
        <source>NO ESTA INSTALADO EL CONTROLADOR SQLITE DE QT (QSQLITE); NO SE PUEDEN ABRIR LAS TABLAS</source>
        <translation>QT&apos;S SQLITE DRIVER (QSQLITE) IS NOT INSTALLED; THE TABLES CANNOT BE OPENED</translation>
    </message>
    <message>
        <source>EL TITULO DE LA TABLA ESTA VACIO</source>
        <translation>THE TITLE OF THE TABLE IS EMPTY</translation>
    </message>
    <message>
        <source>LA TABLA %1 NO EXISTE EN EL ARCHIVO %2</source>
        <translation>THE TABLE %1 DOES NOT EXIST IN THE FILE %2</translation>
    </message>
    <message>
        <source>LA TABLA %1 YA EXISTE EN EL ARCHIVO %2</source>
        <translation>THE TABLE %1 ALREADY EXISTS IN THE FILE %2</translation>
    </message>
    <message>
        <source>LA FILA YA NO EXISTE EN LA TABLA %1 DEL ARCHIVO %2</source>
        <translation>THE ROW NO LONGER EXISTS IN THE TABLE %1 OF THE FILE %2</translation>
    </message>
    <message>
        <source>EL VALOR DE %1 NO ES UN NUMERO FINITO DE PRECISION SIMPLE; NO SE HA GUARDADO</source>
        <translation>THE VALUE OF %1 IS NOT A FINITE SINGLE-PRECISION NUMBER; IT HAS NOT BEEN SAVED</translation>
    </message>
    <message>
        <source>UNA FILA DE ESTA TABLA LLEVA %1 VALORES (SE DIERON %2); NO SE HA GUARDADO</source>
        <translation>A ROW OF THIS TABLE HOLDS %1 VALUES (%2 WERE GIVEN); IT HAS NOT BEEN SAVED</translation>
    </message>
    <message>
        <source>LA TABLA %1 DEL ARCHIVO %2 TIENE UN VALOR VACIO O NO NUMERICO EN LA COLUMNA %3 (¿SE MODIFICO FUERA DEL PROGRAMA?)</source>
        <translation>THE TABLE %1 OF THE FILE %2 HAS AN EMPTY OR NON-NUMERIC VALUE IN THE COLUMN %3 (WAS IT CHANGED OUTSIDE THE PROGRAM?)</translation>
    </message>
    <message>
        <source>LA TABLA %1 DEL ARCHIVO %2 TIENE UN VALOR QUE NO CABE EN PRECISION SIMPLE EN LA COLUMNA %3 (¿SE MODIFICO FUERA DEL PROGRAMA?)</source>
        <translation>THE TABLE %1 OF THE FILE %2 HAS A VALUE TOO LARGE FOR SINGLE PRECISION IN THE COLUMN %3 (WAS IT CHANGED OUTSIDE THE PROGRAM?)</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 TIENE UNA ESCRITURA INTERRUMPIDA SIN DESHACER (%2); PARA DESHACERLA ABRA EL PROGRAMA CON PERMISO DE ESCRITURA EN EL ARCHIVO Y EN SU CARPETA. NO BORRE %2: SIN EL, LA BASE DE DATOS QUEDARIA DAÑADA</source>
        <translation>THE FILE %1 HAS AN INTERRUPTED WRITE THAT IS NOT UNDONE (%2); TO UNDO IT, OPEN THE PROGRAM WITH WRITE PERMISSION ON THE FILE AND ITS FOLDER. DO NOT DELETE %2: WITHOUT IT, THE DATABASE WOULD BE DAMAGED</translation>
    </message>
    <message>
        <source>NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1</source>
        <translation>THE RESULTS COULD NOT BE SAVED IN THE FILE %1</translation>
    </message>
    <message>
        <source>NO SE PUDIERON GUARDAR LOS RESULTADOS EN EL ARCHIVO %1 (%2)</source>
        <translation>THE RESULTS COULD NOT BE SAVED IN THE FILE %1 (%2)</translation>
    </message>
    <message>
        <source>ES UN ARCHIVO DE BASE DE DATOS DEL PROGRAMA</source>
        <translation>IT IS A DATABASE FILE OF THE PROGRAM</translation>
    </message>
    <message>
        <source>ES UN ARCHIVO DE BASE DE DATOS</source>
        <translation>IT IS A DATABASE FILE</translation>
    </message>
    <message>
        <source>ES DE SOLO LECTURA</source>
        <translation>IT IS READ-ONLY</translation>
    </message>
    <message>
        <source>QUEDO UNA LINEA INCOMPLETA AL FINAL DEL ARCHIVO</source>
        <translation>AN INCOMPLETE LINE WAS LEFT AT THE END OF THE FILE</translation>
    </message>
    <message>
        <source>NO SE PUEDE LEER LA TABLA INCORPORADA AL PROGRAMA %1</source>
        <translation>THE PROGRAM&apos;S BUILT-IN TABLE %1 CANNOT BE READ</translation>
    </message>
</context>
<context>
    <name>velm::plot</name>
    <message>
        <source>%1 A %2 %3</source>
        <translation>%1 AT %2 %3</translation>
    </message>
    <message>
        <source>CORRELACION</source>
        <translation>CORRELATION</translation>
    </message>
    <message>
        <source>INTERPOLADO</source>
        <translation>INTERPOLATED</translation>
    </message>
    <message>
        <source>EXTRAPOLADO</source>
        <translation>EXTRAPOLATED</translation>
    </message>
    <message>
        <source>PUNTOS DE TABLA</source>
        <translation>TABLE POINTS</translation>
    </message>
    <message>
        <source>RANGO DE LA ECUACION</source>
        <translation>RANGE OF THE EQUATION</translation>
    </message>
</context>
<context>
    <name>velm::start</name>
    <message>
        <source>Pruebe &apos;velmorantes --help&apos;.</source>
        <translation>Try &apos;velmorantes --help&apos;.</translation>
    </message>
    <message>
        <source>Modo de empleo: velmorantes [--db-dir CARPETA | --data-home] [--language es|en]

Inicia VELMORANTES, la calculadora de las propiedades termofísicas de los fluidos. Sus
tablas de fluidos están en dos archivos, GASES.mdb y LIQUIDOS.mdb, que se crean con las
tablas incorporadas cuando faltan.

  --db-dir CARPETA   guarda los archivos de base de datos en CARPETA, una carpeta que
                     existe (una CARPETA relativa se toma desde la carpeta actual).
  --data-home        los guarda en la carpeta de datos del usuario,
                     $XDG_DATA_HOME/velmorantes (~/.local/share/velmorantes si
                     XDG_DATA_HOME no está definida), que se crea al primer inicio. El
                     menú de aplicaciones inicia así el programa.
  --language es|en   el idioma de la interfaz (por omisión, el de la configuración
                     regional: LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
  -h, --help         muestra esta ayuda y termina.
  --version          muestra la versión y termina.

Sin --db-dir ni --data-home los archivos se guardan en la carpeta actual. No se aceptan
las opciones de línea de órdenes propias de Qt; sus variables de entorno
(QT_QPA_PLATFORM, QT_SCALE_FACTOR ...) sí.
</source>
        <translation>Usage: velmorantes [--db-dir DIR | --data-home] [--language es|en]

Starts VELMORANTES, the calculator of the thermophysical properties of fluids. Its fluid
tables live in two files, GASES.mdb and LIQUIDOS.mdb, each created with the shipped tables
when it is missing.

  --db-dir DIR       keep the database files in DIR, an existing folder (a relative DIR is
                     taken from the current folder).
  --data-home        keep them in the user&apos;s data folder, $XDG_DATA_HOME/velmorantes
                     (~/.local/share/velmorantes when XDG_DATA_HOME is unset), which is
                     made on first start. The applications menu starts the program so.
  --language es|en   the language of the interface (default: the locale&apos;s: LANGUAGE,
                     LC_ALL, LC_MESSAGES, LANG).
  -h, --help         print this help and stop.
  --version          print the version and stop.

Without --db-dir or --data-home the files are kept in the current folder. Qt&apos;s own
command-line options are not taken; its environment variables (QT_QPA_PLATFORM,
QT_SCALE_FACTOR ...) are.
</translation>
    </message>
    <message>
        <source>ARGUMENTO INESPERADO &apos;%1&apos;</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--db-dir SE DIO DOS VECES</source>
        <translation>--db-dir given twice</translation>
    </message>
    <message>
        <source>INDIQUE --db-dir O --data-home, NO LAS DOS</source>
        <translation>give either --db-dir or --data-home, not both</translation>
    </message>
    <message>
        <source>--db-dir NECESITA UNA CARPETA</source>
        <translation>--db-dir needs a folder</translation>
    </message>
    <message>
        <source>LA RUTA %1 NO ES UNA CARPETA; NO SE PUEDEN GUARDAR LAS TABLAS EN ELLA</source>
        <translation>THE PATH %1 IS NOT A FOLDER; THE TABLES CANNOT BE KEPT IN IT</translation>
    </message>
    <message>
        <source>LA CARPETA DE LAS TABLAS %1 NO EXISTE</source>
        <translation>THE FOLDER OF THE TABLES %1 DOES NOT EXIST</translation>
    </message>
    <message>
        <source>NO SE PUEDE CREAR LA CARPETA %1 (%2)</source>
        <translation>THE FOLDER %1 CANNOT BE CREATED (%2)</translation>
    </message>
</context>
<context>
    <name>velm::sweep</name>
    <message>
        <source>CORRELACION</source>
        <translation>CORRELATION</translation>
    </message>
    <message>
        <source>PUNTO DE TABLA</source>
        <translation>TABLE POINT</translation>
    </message>
    <message>
        <source>INTERPOLADO</source>
        <translation>INTERPOLATED</translation>
    </message>
    <message>
        <source>EXTRAPOLADO</source>
        <translation>EXTRAPOLATED</translation>
    </message>
    <message>
        <source>NO EXISTE</source>
        <translation>DOES NOT EXIST</translation>
    </message>
    <message>
        <source>NO CALCULABLE</source>
        <translation>NOT COMPUTABLE</translation>
    </message>
    <message>
        <source>ORIGEN</source>
        <translation>SOURCE</translation>
    </message>
</context>
<context>
    <name>velm::units</name>
    <message>
        <source>Lb/pie^3</source>
        <translation>Lb/ft^3</translation>
    </message>
    <message>
        <source>V.AB.</source>
        <translation>V.ABS.</translation>
    </message>
    <message>
        <source>Lbf.s/pie^2</source>
        <translation>Lbf.s/ft^2</translation>
    </message>
    <message>
        <source>V.CI.</source>
        <translation>V.KIN.</translation>
    </message>
    <message>
        <source>pie^2/s</source>
        <translation>ft^2/s</translation>
    </message>
    <message>
        <source>Btu/(h.pie.ºF)</source>
        <translation>Btu/(h.ft.ºF)</translation>
    </message>
    <message>
        <source>Btu/(h.pie^2.ºF)</source>
        <translation>Btu/(h.ft^2.ºF)</translation>
    </message>
    <message>
        <source>Btu/(h.pie^2)</source>
        <translation>Btu/(h.ft^2)</translation>
    </message>
    <message>
        <source>pie</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>pie^2</source>
        <translation>ft^2</translation>
    </message>
    <message>
        <source>pie/s</source>
        <translation>ft/s</translation>
    </message>
</context>
<context>
    <name>velm::web</name>
    <message>
        <source>LAS TABLAS ESTAN ABIERTAS EN OTRA PESTAÑA QUE NO LAS HA SOLTADO EN %1 SEGUNDOS; NO SE HAN LEIDO NI MODIFICADO. INTENTELO DE NUEVO</source>
        <translation>THE TABLES ARE OPEN IN ANOTHER TAB THAT HAS NOT RELEASED THEM IN %1 SECONDS; THEY HAVE NOT BEEN READ OR CHANGED. TRY AGAIN</translation>
    </message>
    <message>
        <source>ESTE NAVEGADOR NO DEJA GUARDAR LAS TABLAS (%1): SE USAN LAS TABLAS INCORPORADAS Y LOS CAMBIOS SE PERDERAN AL CERRAR LA PAGINA</source>
        <translation>THIS BROWSER DOES NOT LET THE TABLES BE KEPT (%1): THE BUILT-IN TABLES ARE USED AND CHANGES WILL BE LOST WHEN THE PAGE IS CLOSED</translation>
    </message>
    <message>
        <source>NO QUEDA ESPACIO PARA LAS TABLAS EN EL ALMACENAMIENTO DEL NAVEGADOR; EL ARCHIVO %1 NO SE HA MODIFICADO</source>
        <translation>THERE IS NO ROOM LEFT FOR THE TABLES IN THE BROWSER&apos;S STORAGE; THE FILE %1 HAS NOT BEEN CHANGED</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 NO ES UNA BASE DE DATOS DEL PROGRAMA NI DE ACCESS; NO SE HA LEIDO NI MODIFICADO</source>
        <translation>THE FILE %1 IS NEITHER A DATABASE OF THE PROGRAM NOR AN ACCESS DATABASE; IT HAS NOT BEEN READ OR CHANGED</translation>
    </message>
    <message>
        <source>LA TABLA %1 DEL ARCHIVO %2 NO TIENE LAS COLUMNAS DE UNA TABLA DE %3; NO SE HA TOMADO NINGUNA TABLA</source>
        <translation>THE TABLE %1 OF THE FILE %2 DOES NOT HAVE THE COLUMNS OF A %3 TABLE; NO TABLE HAS BEEN TAKEN</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 NO TRAE NINGUNA TABLA</source>
        <translation>THE FILE %1 BRINGS NO TABLE</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 TRAE 1 TABLA:</source>
        <translation>THE FILE %1 BRINGS 1 TABLE:</translation>
    </message>
    <message>
        <source>EL ARCHIVO %1 TRAE %2 TABLAS:</source>
        <translation>THE FILE %1 BRINGS %2 TABLES:</translation>
    </message>
    <message>
        <source>¿DESEA REEMPLAZAR LAS TABLAS DE %1 POR LAS DEL ARCHIVO (LAS QUE EL ARCHIVO NO TRAE SE PIERDEN) O AÑADIR LAS DEL ARCHIVO A LAS QUE YA TIENE?</source>
        <translation>DO YOU WANT TO REPLACE THE TABLES OF %1 WITH THOSE OF THE FILE (THOSE THE FILE DOES NOT BRING ARE LOST) OR ADD THE FILE&apos;S TABLES TO THOSE YOU HAVE?</translation>
    </message>
    <message>
        <source>REEMPLAZAR</source>
        <translation>REPLACE</translation>
    </message>
    <message>
        <source>AÑADIR</source>
        <translation>ADD</translation>
    </message>
    <message>
        <source>CANCELAR</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>LA TABLA %1 YA EXISTE EN %2. ¿DESEA SUSTITUIRLA POR LA DEL ARCHIVO?</source>
        <translation>THE TABLE %1 ALREADY EXISTS IN %2. DO YOU WANT TO REPLACE IT WITH THE FILE&apos;S?</translation>
    </message>
    <message>
        <source>LAS TABLAS DE %1 SON AHORA LAS DEL ARCHIVO %2</source>
        <translation>THE TABLES OF %1 ARE NOW THOSE OF THE FILE %2</translation>
    </message>
    <message>
        <source>SE HAN AÑADIDO A %1 LAS TABLAS ELEGIDAS DEL ARCHIVO %2</source>
        <translation>THE CHOSEN TABLES OF THE FILE %2 HAVE BEEN ADDED TO %1</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>PROPIEDADES</source>
        <translation>PROPERTIES</translation>
    </message>
    <message>
        <source>PANTALLAS</source>
        <translation>SCREENS</translation>
    </message>
    <message>
        <source>IDIOMA</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>ESPAÑOL</source>
        <translation>ESPAÑOL</translation>
    </message>
    <message>
        <source>ENGLISH</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <source>NO SE PUDO CARGAR EL CALCULO DE PROPIEDADES: %1</source>
        <translation>THE PROPERTY CALCULATION COULD NOT BE LOADED: %1</translation>
    </message>
    <message>
        <source>&amp;Guardar resultados</source>
        <translation>&amp;Save results</translation>
    </message>
    <message>
        <source>1 CALCULO EN EL ARCHIVO DE RESULTADOS</source>
        <translation>1 CALCULATION IN THE RESULTS FILE</translation>
    </message>
    <message>
        <source>%1 CALCULOS EN EL ARCHIVO DE RESULTADOS</source>
        <translation>%1 CALCULATIONS IN THE RESULTS FILE</translation>
    </message>
    <message>
        <source>TABLA</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>GRAFICA</source>
        <translation>PLOT</translation>
    </message>
    <message>
        <source>Guardar gráfica PNG</source>
        <translation>Save plot as PNG</translation>
    </message>
    <message>
        <source>Guardar gráfica SVG</source>
        <translation>Save plot as SVG</translation>
    </message>
    <message>
        <source>COPIADO</source>
        <translation>COPIED</translation>
    </message>
    <message>
        <source>DERIVACION</source>
        <translation>DERIVATION</translation>
    </message>
    <message>
        <source>Abrir base de datos</source>
        <translation>Open database</translation>
    </message>
    <message>
        <source>Guardar base de datos</source>
        <translation>Save database</translation>
    </message>
    <message>
        <source>SÍ</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>NO SE PUEDEN ABRIR LAS TABLAS EN ESTE NAVEGADOR (%1): SE USAN LAS TABLAS INCORPORADAS AL PROGRAMA Y NO SE PUEDEN MODIFICAR</source>
        <translation>THE TABLES CANNOT BE OPENED IN THIS BROWSER (%1): THE TABLES BUILT INTO THE PROGRAM ARE USED AND CANNOT BE CHANGED</translation>
    </message>
</context>
</TS>
