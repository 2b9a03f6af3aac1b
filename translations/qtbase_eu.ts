<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="en">
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Help</source>
        <translatorcomment>es: Ayuda</translatorcomment>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translatorcomment>es: Mostrar los detalles...</translatorcomment>
        <translation>Erakutsi xehetasunak...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translatorcomment>es: &lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translatorcomment>
        <translation>&lt;p&gt;Qt plataforma anitzeko aplikazioak garatzeko C++ tresna-multzo bat da.&lt;/p&gt;&lt;p&gt;Qt-k iturburu bakarreko eramangarritasuna eskaintzen du mahaigaineko sistema eragile nagusi guztietan. Linux txertatuan eta beste sistema eragile txertatu eta mugikor batzuetan ere erabil daiteke.&lt;/p&gt;&lt;p&gt;Qt hiru lizentzia-aukeratan eskuratu daiteke, gure erabiltzaileen behar desberdinetara egokitzeko.&lt;/p&gt;&lt;p&gt;Gure lizentzia-hitzarmen komertzialaren pean lizentziatutako Qt egokia da software jabeduna edo komertziala garatzeko, iturburu-kodea hirugarrenekin partekatu nahi ez baduzu edo GNU LGPL 3. bertsioaren edo GNU LGPL 2.1 bertsioaren baldintzak bete ezin badituzu.&lt;/p&gt;&lt;p&gt;GNU LGPL 3. bertsioaren pean lizentziatutako Qt egokia da Qt&amp;nbsp;aplikazioak garatzeko, GNU LGPL 3. bertsioaren baldintzak betetzen badituzu.&lt;/p&gt;&lt;p&gt;GNU LGPL 2.1 bertsioaren pean lizentziatutako Qt egokia da Qt&amp;nbsp;aplikazioak garatzeko, GNU LGPL 2.1 bertsioaren baldintzak betetzen badituzu.&lt;/p&gt;&lt;p&gt;Qt-ren lizentzien ikuspegi orokorra izateko, ikusi &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd eta beste laguntzaile batzuk.&lt;/p&gt;&lt;p&gt;Qt eta Qt logotipoa The Qt Company Ltd-ren marka komertzialak dira.&lt;/p&gt;&lt;p&gt;Qt The Qt Company Ltd-ren produktu bat da, kode irekiko proiektu gisa garatua. Informazio gehiagorako, ikusi &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translatorcomment>es: Acerca de Qt</translatorcomment>
        <translation>Qt-ri buruz</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translatorcomment>es: Ocultar los detalles...</translatorcomment>
        <translation>Ezkutatu xehetasunak...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translatorcomment>es: &lt;h3&gt;Acerca de Qt&lt;/h3&gt;&lt;p&gt;Este programa usa Qt versión %1.&lt;/p&gt;</translatorcomment>
        <translation>&lt;h3&gt;Qt-ri buruz&lt;/h3&gt;&lt;p&gt;Programa honek Qt-ren %1 bertsioa erabiltzen du.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Ados</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translatorcomment>es: &amp;No</translatorcomment>
        <translation>&amp;Ez</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translatorcomment>es: &amp;Sí</translatorcomment>
        <translation>&amp;Bai</translation>
    </message>
    <message>
        <source>Help</source>
        <translatorcomment>es: Ayuda</translatorcomment>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>es: Abrir</translatorcomment>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>es: Guardar</translatorcomment>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translatorcomment>es: Interrumpir</translatorcomment>
        <translation>Abortatu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translatorcomment>es: Aplicar</translatorcomment>
        <translation>Aplikatu</translation>
    </message>
    <message>
        <source>Close</source>
        <translatorcomment>es: Cerrar</translatorcomment>
        <translation>Itxi</translation>
    </message>
    <message>
        <source>Reset</source>
        <translatorcomment>es: Reinicializar</translatorcomment>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Retry</source>
        <translatorcomment>es: Reintentar</translatorcomment>
        <translation>Saiatu berriro</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translatorcomment>es: Restaurar los valores predeterminados</translatorcomment>
        <translation>Leheneratu lehenetsiak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>es: Cancelar</translatorcomment>
        <translation>Utzi</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translatorcomment>es: Ignorar</translatorcomment>
        <translation>Ezikusi</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translatorcomment>es: N&amp;o a todo</translatorcomment>
        <translation>E&amp;z guztiei</translation>
    </message>
    <message>
        <source>Save All</source>
        <translatorcomment>es: Guardar todo</translatorcomment>
        <translation>Gorde denak</translation>
    </message>
    <message>
        <source>Discard</source>
        <translatorcomment>es: Descartar</translatorcomment>
        <translation>Baztertu</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translatorcomment>es: Sí a &amp;todo</translatorcomment>
        <translation>Bai &amp;guztiei</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translatorcomment>es: Páginas pares</translatorcomment>
        <translation>Orrialde bikoitiak</translation>
    </message>
    <message>
        <source>Print</source>
        <translatorcomment>es: Imprimir</translatorcomment>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translatorcomment>es: &amp;Opciones &lt;&lt;</translatorcomment>
        <translation>&amp;Aukerak &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translatorcomment>es: &amp;Opciones &gt;&gt;</translatorcomment>
        <translation>&amp;Aukerak &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translatorcomment>es: Izquierda a derecha, arriba a abajo</translatorcomment>
        <translation>Ezkerretik eskuinera, goitik behera</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translatorcomment>es: Derecha a izquierda, abajo a arriba</translatorcomment>
        <translation>Eskuinetik ezkerrera, behetik gora</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translatorcomment>es: Escribir archivo PDF</translatorcomment>
        <translation>Idatzi PDF fitxategia</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translatorcomment>es: Im&amp;primir</translatorcomment>
        <translation>&amp;Inprimatu</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translatorcomment>es: 1 (1x1)</translatorcomment>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translatorcomment>es: Opciones «Páginas por Hoja» y «Set de Páginas» No pueden ser usadas a la vez.
Por favor desactiva una de las opciones.</translatorcomment>
        <translation>«Orrialdeak orriko» eta «Orrialde-multzoa» aukerak ezin dira batera erabili.
Desaktibatu horietako bat.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translatorcomment>es: %1 ya existe.
¿Desea sobrescribirlo?</translatorcomment>
        <translation>%1 badago lehendik.
Gainidatzi nahi duzu?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translatorcomment>es: 2 (2x1)</translatorcomment>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translatorcomment>es: Izquierda a derecha, abajo a arriba</translatorcomment>
        <translation>Ezkerretik eskuinera, behetik gora</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translatorcomment>es: 4 (2x2)</translatorcomment>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translatorcomment>es: Páginas impares</translatorcomment>
        <translation>Orrialde bakoitiak</translation>
    </message>
    <message>
        <source>Local file</source>
        <translatorcomment>es: Archivo local</translatorcomment>
        <translation>Fitxategi lokala</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translatorcomment>es: 6 (2x3)</translatorcomment>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translatorcomment>es: 16 (4x4)</translatorcomment>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translatorcomment>es: Imprimir a archivo (PDF)</translatorcomment>
        <translation>Inprimatu fitxategian (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translatorcomment>es: Imprimir a fichero...</translatorcomment>
        <translation>Inprimatu fitxategian...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translatorcomment>es: 9 (3x3)</translatorcomment>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translatorcomment>es: Automático</translatorcomment>
        <translation>Automatikoa</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translatorcomment>es: Derecha A izquierda, arriba a abajo</translatorcomment>
        <translation>Eskuinetik ezkerrera, goitik behera</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translatorcomment>es: Abajo a arriba, izquierda a derecha</translatorcomment>
        <translation>Behetik gora, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translatorcomment>es: El campo «De» no puede ser mayor que el valor del campo «A».</translatorcomment>
        <translation>«Nondik» balioa ezin da «Nora» balioa baino handiagoa izan.</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translatorcomment>es: Todas las páginas</translatorcomment>
        <translation>Orrialde guztiak</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translatorcomment>es: %1 es un directorio.
Elija un nombre de fichero diferente.</translatorcomment>
        <translation>%1 direktorio bat da.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translatorcomment>es: No se puede escribir en el fichero %1.
Elija un nombre de fichero diferente.</translatorcomment>
        <translation>Ezin da %1 fitxategian idatzi.
Aukeratu beste fitxategi-izen bat.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translatorcomment>es: Abajo a arriba, derecha a izquierda</translatorcomment>
        <translation>Behetik gora, eskuinetik ezkerrera</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translatorcomment>es: Arriba a abajo, izquierda a derecha</translatorcomment>
        <translation>Goitik behera, ezkerretik eskuinera</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translatorcomment>es: Arriba a abajo, derecha a izquierda</translatorcomment>
        <translation>Goitik behera, eskuinetik ezkerrera</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 idazkerak ez du sintaxi zuzena. Erabili «,» tarteak eta orriak bereizteko eta «-» tarteak zehazteko, eta ziurtatu tarteak ez direla gainjartzen.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Bi aldeetako inprimatzearen gatazkak</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Orrien definizio baliogabea</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Bi aldeetako inprimatzearen ezarpenek gatazkak dituzte. Konpondu nahi dituzu?</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translatorcomment>es: Parte superior</translatorcomment>
        <translation>Goialdea</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translatorcomment>es: Desplazar hacia abajo</translatorcomment>
        <translation>Korritu behera</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translatorcomment>es: Desplazar hasta aquí</translatorcomment>
        <translation>Korritu hona</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translatorcomment>es: Desplazar hacia la izquierda</translatorcomment>
        <translation>Korritu ezkerrera</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translatorcomment>es: Parte inferior</translatorcomment>
        <translation>Behealdea</translation>
    </message>
    <message>
        <source>Page up</source>
        <translatorcomment>es: Una página hacia arriba</translatorcomment>
        <translation>Orrialde bat gora</translation>
    </message>
    <message>
        <source>Page right</source>
        <translatorcomment>es: Una página a la derecha</translatorcomment>
        <translation>Orrialde bat eskuinera</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translatorcomment>es: Desplazar hacia arriba</translatorcomment>
        <translation>Korritu gora</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translatorcomment>es: Desplazar hacia la derecha</translatorcomment>
        <translation>Korritu eskuinera</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translatorcomment>es: Borde izquierdo</translatorcomment>
        <translation>Ezkerreko ertza</translation>
    </message>
    <message>
        <source>Page down</source>
        <translatorcomment>es: Una página hacia abajo</translatorcomment>
        <translation>Orrialde bat behera</translation>
    </message>
    <message>
        <source>Page left</source>
        <translatorcomment>es: Una página a la izquierda</translatorcomment>
        <translation>Orrialde bat ezkerrera</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translatorcomment>es: Borde derecho</translatorcomment>
        <translation>Eskuineko ertza</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translatorcomment>es: Atrás</translatorcomment>
        <translation>Atzera</translation>
    </message>
    <message>
        <source>File</source>
        <translatorcomment>es: Archivo</translatorcomment>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>es: Abrir</translatorcomment>
        <translation>Ireki</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translatorcomment>es: &amp;Abrir</translatorcomment>
        <translation>&amp;Ireki</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translatorcomment>es: &amp;Guardar</translatorcomment>
        <translation>&amp;Gorde</translation>
    </message>
    <message>
        <source>Alias</source>
        <translatorcomment>es: Alias</translatorcomment>
        <translation>Aliasa</translation>
    </message>
    <message>
        <source>Drive</source>
        <translatorcomment>es: Unidad</translatorcomment>
        <translation>Unitatea</translation>
    </message>
    <message>
        <source>Files</source>
        <translatorcomment>es: Archivos</translatorcomment>
        <translation>Fitxategiak</translation>
    </message>
    <message>
        <source>Show </source>
        <translatorcomment>es: Mostrar </translatorcomment>
        <translation>Erakutsi </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translatorcomment>es: «%1» está protegido contra escritura.
¿Desea borrarlo de todas formas?</translatorcomment>
        <translation>«%1» idazketaren aurka babestuta dago.
Hala ere ezabatu nahi duzu?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translatorcomment>es: ¿Está seguro de que quiere borrar «%1»?</translatorcomment>
        <translation>Ziur zaude «%1» ezabatu nahi duzula?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translatorcomment>es: Lista de lugares y marcadores</translatorcomment>
        <translation>Lekuen eta laster-marken zerrenda</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translatorcomment>es: &amp;Nombre de fichero:</translatorcomment>
        <translation>Fitxategi-&amp;izena:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translatorcomment>es: Alt+Izquierda</translatorcomment>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translatorcomment>es: Alt+Arriba</translatorcomment>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translatorcomment>es: Nueva carpeta</translatorcomment>
        <translation>Fitxategi-karpeta</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translatorcomment>es: Nueva carpeta</translatorcomment>
        <translation>Karpeta berria</translation>
    </message>
    <message>
        <source>Folder</source>
        <translatorcomment>es: Carpeta</translatorcomment>
        <translation>Karpeta</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translatorcomment>es: Directorio superior</translatorcomment>
        <translation>Direktorio gurasoa</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translatorcomment>es: &amp;Nueva carpeta</translatorcomment>
        <translation>Karpeta &amp;berria</translation>
    </message>
    <message>
        <source>Remove</source>
        <translatorcomment>es: Eliminar</translatorcomment>
        <translation>Kendu</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translatorcomment>es: Mi equipo</translatorcomment>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translatorcomment>es: Ver en:</translatorcomment>
        <translation>Begiratu hemen:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translatorcomment>es: Alt+Derecha</translatorcomment>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translatorcomment>es: Crear una nueva carpeta</translatorcomment>
        <translation>Sortu karpeta berri bat</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translatorcomment>es: Archivo %1</translatorcomment>
        <translation>%1 fitxategia</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translatorcomment>es: Ficheros de tipo:</translatorcomment>
        <translation>Fitxategi mota:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translatorcomment>es: Buscar directorio</translatorcomment>
        <translation>Bilatu direktorioa</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translatorcomment>es: Mostrar los fic&amp;heros ocultos</translatorcomment>
        <translation>Erakutsi fitxategi &amp;ezkutuak</translation>
    </message>
    <message>
        <source>Save As</source>
        <translatorcomment>es: Guardar como</translatorcomment>
        <translation>Gorde honela</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translatorcomment>es: %1
Directorio no encontrado.
Verifique que el nombre del directorio es correcto.</translatorcomment>
        <translation>%1
Ez da direktorioa aurkitu.
Egiaztatu direktorioaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translatorcomment>es: Barra lateral</translatorcomment>
        <translation>Alboko barra</translation>
    </message>
    <message>
        <source>List View</source>
        <translatorcomment>es: Vista de lista</translatorcomment>
        <translation>Zerrenda-ikuspegia</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translatorcomment>es: &amp;Seleccionar</translatorcomment>
        <translation>&amp;Aukeratu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translatorcomment>es: &amp;Borrar</translatorcomment>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translatorcomment>es: Todos los archivos (*)</translatorcomment>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translatorcomment>es: Todos los ficheros (*)</translatorcomment>
        <translation>Fitxategi guztiak (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translatorcomment>es: Directorios</translatorcomment>
        <translation>Direktorioak</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translatorcomment>es: Cambia&amp;r de nombre</translatorcomment>
        <translation>&amp;Berrizendatu</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translatorcomment>es: No fue posible borrar el directorio.</translatorcomment>
        <translation>Ezin izan da direktorioa ezabatu.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translatorcomment>es: Directorio:</translatorcomment>
        <translation>Direktorioa:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translatorcomment>es: Desconocido</translatorcomment>
        <translation>Ezezaguna</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translatorcomment>es: El fichero %1 ya existe.
¿Desea reemplazarlo?</translatorcomment>
        <translation>%1 badago lehendik.
Ordeztu nahi duzu?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translatorcomment>es: Siguiente</translatorcomment>
        <translation>Aurrera</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translatorcomment>es: Ir hacia delante</translatorcomment>
        <translation>Joan aurrera</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translatorcomment>es: r al directorio superior</translatorcomment>
        <translation>Joan direktorio gurasora</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translatorcomment>es: Lugares recientes</translatorcomment>
        <translation>Azken lekuak</translation>
    </message>
    <message>
        <source>Go back</source>
        <translatorcomment>es: Ir atrás</translatorcomment>
        <translation>Joan atzera</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translatorcomment>es: Cambiar a modo de vista detallada</translatorcomment>
        <translation>Aldatu xehetasun-ikuspegira</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translatorcomment>es: Crear nueva carpeta</translatorcomment>
        <translation>Sortu karpeta berria</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translatorcomment>es: Acceso directo</translatorcomment>
        <translation>Lasterbidea</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translatorcomment>es: Vista detallada</translatorcomment>
        <translation>Xehetasun-ikuspegia</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translatorcomment>es: %1
Fichero no encontrado.
Verifique que el nombre del fichero es correcto.</translatorcomment>
        <translation>%1
Ez da fitxategia aurkitu.
Egiaztatu fitxategiaren izena zuzena dela.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translatorcomment>es: Cambiar el modo de vista de la lista</translatorcomment>
        <translation>Aldatu zerrenda-ikuspegira</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translatorcomment>es: Cor&amp;tar</translatorcomment>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translatorcomment>es: &amp;Copiar</translatorcomment>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translatorcomment>es: &amp;Rehacer</translatorcomment>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translatorcomment>es: &amp;Deshacer</translatorcomment>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translatorcomment>es: &amp;Pegar</translatorcomment>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translatorcomment>es: Seleccionar todo</translatorcomment>
        <translation>Hautatu dena</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translatorcomment>es: Cor&amp;tar</translatorcomment>
        <translation>&amp;Ebaki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translatorcomment>es: &amp;Copiar</translatorcomment>
        <translation>&amp;Kopiatu</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translatorcomment>es: &amp;Rehacer</translatorcomment>
        <translation>&amp;Berregin</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translatorcomment>es: &amp;Deshacer</translatorcomment>
        <translation>&amp;Desegin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translatorcomment>es: &amp;Pegar</translatorcomment>
        <translation>&amp;Itsatsi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Ezabatu</translation>
    </message>
    <message>
        <source>Select All</source>
        <translatorcomment>es: Seleccionar todo</translatorcomment>
        <translation>Hautatu dena</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translatorcomment>es: Copiar la ubicación del en&amp;lace</translatorcomment>
        <translation>Kopiatu estekaren &amp;helbidea</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translatorcomment>es: Clase</translatorcomment>
        <translation>Mota</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>es: Nombre</translatorcomment>
        <translation>Izena</translation>
    </message>
    <message>
        <source>Size</source>
        <translatorcomment>es: Tamaño</translatorcomment>
        <translation>Tamaina</translation>
    </message>
    <message>
        <source>Type</source>
        <translatorcomment>es: Tipo</translatorcomment>
        <translation>Mota</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translatorcomment>es: %1 GiB</translatorcomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translatorcomment>es: %1 KiB</translatorcomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translatorcomment>es: %1 MiB</translatorcomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translatorcomment>es: %1 TiB</translatorcomment>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>&lt;b&gt;The name "%1" can not be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuations marks.</source>
        <translatorcomment>es: &lt;b&gt;No se puede utilizar el nombre «%1».&lt;/b&gt;&lt;p&gt;Intente usar otro nombre con menos caracteres o sin signos de puntuación.</translatorcomment>
        <translation>&lt;b&gt;Ezin da «%1» izena erabili.&lt;/b&gt;&lt;p&gt;Erabili beste izen bat, karaktere gutxiagokoa edo puntuazio-markarik gabea.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translatorcomment>es: %1 bytes</translatorcomment>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translatorcomment>es: Mi Equipo</translatorcomment>
        <translation>Nire ordenagailua</translation>
    </message>
    <message>
        <source>Computer</source>
        <translatorcomment>es: Equipo</translatorcomment>
        <translation>Ordenagailua</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translatorcomment>es: Nombre de fichero no válido</translatorcomment>
        <translation>Fitxategi-izen baliogabea</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translatorcomment>es: %1 byte(s)</translatorcomment>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translatorcomment>es: Última modificación</translatorcomment>
        <translation>Aldatze-data</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translatorcomment>es: Opciones desconocidas: %1.</translatorcomment>
        <translation>Aukera ezezagunak: %1.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translatorcomment>es: Opción desconocida «%1».</translatorcomment>
        <translation>Aukera ezezaguna: «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translatorcomment>es: [opciones]</translatorcomment>
        <translation>[aukerak]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translatorcomment>es: Opciones:</translatorcomment>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translatorcomment>es: Uso: %1</translatorcomment>
        <translation>Erabilera: %1</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translatorcomment>es: Valor inesperado tras «%1».</translatorcomment>
        <translation>Ustekabeko balioa «%1» aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translatorcomment>es: Muestra la información de versión.</translatorcomment>
        <translation>Bertsioaren informazioa erakusten du.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translatorcomment>es: Argumentos:</translatorcomment>
        <translation>Argumentuak:</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translatorcomment>es: Muestra esta ayuda.</translatorcomment>
        <translation>Laguntza hau erakusten du.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translatorcomment>es: Falta valor tras «%1».</translatorcomment>
        <translation>Balioa falta da «%1» aukeraren ondoren.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translatorcomment>es: Páginas de cabecera</translatorcomment>
        <translation>Goiburu-orriak</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translatorcomment>es: Información de facturación:</translatorcomment>
        <translation>Fakturazio-informazioa:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translatorcomment>es: Clasificado</translatorcomment>
        <translation>Sailkatua</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translatorcomment>es: Confidencial</translatorcomment>
        <translation>Konfidentziala</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translatorcomment>es: Día (06:00 a 17:59)</translatorcomment>
        <translation>Eguna (06:00etatik 17:59ra)</translation>
    </message>
    <message>
        <source>End:</source>
        <translatorcomment>es: Final:</translatorcomment>
        <translation>Amaiera:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translatorcomment>es: Mantener indefinidamente</translatorcomment>
        <translation>Eutsi mugarik gabe</translation>
    </message>
    <message>
        <source>Job</source>
        <translatorcomment>es: Trabajo</translatorcomment>
        <translation>Lana</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translatorcomment>es: Control de Trabajos</translatorcomment>
        <translation>Lanen kontrola</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translatorcomment>es: Prioridad del trabajo:</translatorcomment>
        <translation>Lanaren lehentasuna:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translatorcomment>es: Noche (18:00 a 05:59)</translatorcomment>
        <translation>Gaua (18:00etatik 05:59ra)</translation>
    </message>
    <message>
        <source>None</source>
        <translatorcomment>es: Ninguna</translatorcomment>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translatorcomment>es: Imprimir inmediatamente</translatorcomment>
        <translation>Inprimatu berehala</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translatorcomment>es: Impresión programada:</translatorcomment>
        <translation>Inprimatze programatua:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translatorcomment>es: Segundo cambio (16:00 a 23:59)</translatorcomment>
        <translation>Bigarren txanda (16:00etatik 23:59ra)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translatorcomment>es: Secreto</translatorcomment>
        <translation>Sekretua</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translatorcomment>es: Hora específica</translatorcomment>
        <translation>Ordu zehatza</translation>
    </message>
    <message>
        <source>Standard</source>
        <translatorcomment>es: Estándar</translatorcomment>
        <translation>Estandarra</translation>
    </message>
    <message>
        <source>Start:</source>
        <translatorcomment>es: Inicial:</translatorcomment>
        <translation>Hasiera:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translatorcomment>es: Tercer cambio (00:00 a 07:59)</translatorcomment>
        <translation>Hirugarren txanda (00:00etatik 07:59ra)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translatorcomment>es: Alto secreto</translatorcomment>
        <translation>Guztiz sekretua</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translatorcomment>es: Sin clasificar</translatorcomment>
        <translation>Sailkatu gabea</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translatorcomment>es: Fin de semana (Sábado a Domingo)</translatorcomment>
        <translation>Asteburua (larunbatetik igandera)</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Aurreratua</translation>
    </message>
    <message>
        <source>Page</source>
        <translatorcomment>es: Página</translatorcomment>
        <translation>Orria</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Aukera batzuek gatazkak dituzte. Konpondu itzazu.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Aukera aurreratuen gatazkak</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translatorcomment>es: Opciones de trabajo</translatorcomment>
        <translation>Lanaren aukerak</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Orri-konfigurazioaren gatazkak</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translatorcomment>es: Propiedades de impresora</translatorcomment>
        <translation>Inprimagailuaren propietateak</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Orri-konfigurazioaren aukerek gatazkak dituzte. Konpondu nahi dituzu?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Aukera aurreratu batzuek gatazkak dituzte. Konpondu nahi dituzu?</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Custom</source>
        <translatorcomment>es: Personalizado</translatorcomment>
        <translation>Pertsonalizatua</translation>
    </message>
    <message>
        <source>Height:</source>
        <translatorcomment>es: Alto:</translatorcomment>
        <translation>Altuera:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translatorcomment>es: Pulgadas (in)</translatorcomment>
        <translation>Hazbeteak (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translatorcomment>es: Apaisado</translatorcomment>
        <translation>Horizontala</translation>
    </message>
    <message>
        <source>Margins</source>
        <translatorcomment>es: Márgenes</translatorcomment>
        <translation>Marjinak</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translatorcomment>es: Milímetros (mm)</translatorcomment>
        <translation>Milimetroak (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translatorcomment>es: Orientación</translatorcomment>
        <translation>Orientazioa</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translatorcomment>es: Diseño de página</translatorcomment>
        <translation>Orriaren diseinua</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translatorcomment>es: Orden de páginas:</translatorcomment>
        <translation>Orrien ordena:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translatorcomment>es: Tamaño de página:</translatorcomment>
        <translation>Orriaren tamaina:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translatorcomment>es: Páginas por hoja:</translatorcomment>
        <translation>Orrialdeak orri bakoitzeko:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translatorcomment>es: Papel</translatorcomment>
        <translation>Papera</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translatorcomment>es: Fuente del papel:</translatorcomment>
        <translation>Paper-iturria:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translatorcomment>es: Picas (P̸)</translatorcomment>
        <translation>Pikak (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translatorcomment>es: Puntos (pt)</translatorcomment>
        <translation>Puntuak (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translatorcomment>es: Vertical</translatorcomment>
        <translation>Bertikala</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translatorcomment>es: Apaisado invertido</translatorcomment>
        <translation>Horizontal alderantzikatua</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translatorcomment>es: Vertical invertido</translatorcomment>
        <translation>Bertikal alderantzikatua</translation>
    </message>
    <message>
        <source>Width:</source>
        <translatorcomment>es: Ancho:</translatorcomment>
        <translation>Zabalera:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translatorcomment>es: Margen inferior</translatorcomment>
        <translation>beheko marjina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translatorcomment>es: Margen izquierdo</translatorcomment>
        <translation>ezkerreko marjina</translation>
    </message>
    <message>
        <source>right margin</source>
        <translatorcomment>es: Margen derecho</translatorcomment>
        <translation>eskuineko marjina</translation>
    </message>
    <message>
        <source>top margin</source>
        <translatorcomment>es: Margen superior</translatorcomment>
        <translation>goiko marjina</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translatorcomment>es: &amp;Nombre:</translatorcomment>
        <translation>&amp;Izena:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translatorcomment>es: Ubicación:</translatorcomment>
        <translation>Kokapena:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translatorcomment>es: &amp;Fichero de salida:</translatorcomment>
        <translation>&amp;Irteerako fitxategia:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translatorcomment>es: P&amp;ropiedades</translatorcomment>
        <translation>P&amp;ropietateak</translation>
    </message>
    <message>
        <source>Preview</source>
        <translatorcomment>es: Previsualización</translatorcomment>
        <translation>Aurrebista</translation>
    </message>
    <message>
        <source>Printer</source>
        <translatorcomment>es: Impresora</translatorcomment>
        <translation>Inprimagailua</translation>
    </message>
    <message>
        <source>Type:</source>
        <translatorcomment>es: Tipo:</translatorcomment>
        <translation>Mota:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translatorcomment>es: Recopilar</translatorcomment>
        <translation>Bildu</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolorea</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translatorcomment>es: Modo de color</translatorcomment>
        <translation>Kolore-modua</translation>
    </message>
    <message>
        <source>Copies</source>
        <translatorcomment>es: Copias</translatorcomment>
        <translation>Kopiak</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translatorcomment>es: Copias:</translatorcomment>
        <translation>Kopiak:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translatorcomment>es: Página Actual</translatorcomment>
        <translation>Uneko orria</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Bi aldeetako inprimatzea</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translatorcomment>es: Escala de grises</translatorcomment>
        <translation>Gris-eskala</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Alde luzeko koadernaketa</translation>
    </message>
    <message>
        <source>None</source>
        <translatorcomment>es: Ninguno</translatorcomment>
        <translation>Bat ere ez</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desaktibatuta</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>es: Opciones</translatorcomment>
        <translation>Aukerak</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translatorcomment>es: Configuración de salida</translatorcomment>
        <translation>Irteeraren ezarpenak</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translatorcomment>es: Set de páginas:</translatorcomment>
        <translation>Orri-multzoa:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Orriak</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translatorcomment>es: Páginas desde</translatorcomment>
        <translation>Orriak, hasiera:</translation>
    </message>
    <message>
        <source>Print all</source>
        <translatorcomment>es: Imprimir todo</translatorcomment>
        <translation>Inprimatu dena</translation>
    </message>
    <message>
        <source>Print range</source>
        <translatorcomment>es: Imprimir el intervalo</translatorcomment>
        <translation>Inprimatzeko tartea</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translatorcomment>es: Inverso</translatorcomment>
        <translation>Alderantzikatu</translation>
    </message>
    <message>
        <source>Selection</source>
        <translatorcomment>es: Selección</translatorcomment>
        <translation>Hautapena</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Alde laburreko koadernaketa</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Adierazi orriak edo tarteak, komaz bereizita. Tarte bat marratxoz bereizitako bi zenbakirekin adierazten da. Adibidez, 3,5-7,9 idatzita, 3, 5, 6, 7 eta 9 orriak inprimatzen dira.</translation>
    </message>
    <message>
        <source>to</source>
        <translatorcomment>es: a</translatorcomment>
        <translation>amaiera:</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatikoa</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatikoa</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translatorcomment>es: Personalizado</translatorcomment>
        <translation>Pertsonalizatua</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translatorcomment>es: Carta / ANSI A</translatorcomment>
        <translation>Gutuna / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translatorcomment>es: Tabloide / ANSI B</translatorcomment>
        <translation>Tabloidea / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translatorcomment>es: Libro mayor / ANSI B</translatorcomment>
        <translation>Liburu nagusia / ANSI B</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translatorcomment>es: Ejecutivo (7.5 x 10 in)</translatorcomment>
        <translation>Exekutiboa (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>es: Nota</translatorcomment>
        <translation>Oharra</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translatorcomment>es: Tarjeta postal</translatorcomment>
        <translation>Posta-txartela</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translatorcomment>es: Sobre DL</translatorcomment>
        <translation>DL gutun-azala</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translatorcomment>es: Sobre C5</translatorcomment>
        <translation>C5 gutun-azala</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translatorcomment>es: Sobre C4</translatorcomment>
        <translation>C4 gutun-azala</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translatorcomment>es: Sobre EEUU 10</translatorcomment>
        <translation>AEB 10 gutun-azala</translation>
    </message>
</context>
</TS>
