<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="en">
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Help</source>
        <translatorcomment>es: Ayuda</translatorcomment>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translatorcomment>es: Mostrar los detalles...</translatorcomment>
        <translation>Mostrar os detalles...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translatorcomment>es: &lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under three different licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of the GNU LGPL version 3 or GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 3 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 3.&lt;/p&gt;&lt;p&gt;Qt licensed under the GNU LGPL version 2.1 is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the GNU LGPL version 2.1.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</translatorcomment>
        <translation>&lt;p&gt;Qt é un conxunto de ferramentas de C++ para o desenvolvemento de aplicacións multiplataforma.&lt;/p&gt;&lt;p&gt;Qt ofrece portabilidade cun único código fonte entre todos os principais sistemas operativos de escritorio. Tamén está dispoñible para Linux embebido e outros sistemas operativos embebidos e móbiles.&lt;/p&gt;&lt;p&gt;Qt está dispoñible baixo tres opcións de licenza distintas, pensadas para atender as necesidades dos nosos diversos usuarios.&lt;/p&gt;&lt;p&gt;Qt baixo o noso acordo de licenza comercial é axeitado para desenvolver software propietario ou comercial no que non se queira compartir ningún código fonte con terceiros ou no que non se poidan cumprir os termos da GNU LGPL versión 3 ou da GNU LGPL versión 2.1.&lt;/p&gt;&lt;p&gt;Qt baixo a GNU LGPL versión 3 é axeitado para desenvolver aplicacións&amp;nbsp;Qt sempre que se poidan cumprir os termos e condicións da GNU LGPL versión 3.&lt;/p&gt;&lt;p&gt;Qt baixo a GNU LGPL versión 2.1 é axeitado para desenvolver aplicacións&amp;nbsp;Qt sempre que se poidan cumprir os termos e condicións da GNU LGPL versión 2.1.&lt;/p&gt;&lt;p&gt;Consulte &lt;a href="http://%2/"&gt;%2&lt;/a&gt; para ver unha visión xeral das licenzas de Qt.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd e outros colaboradores.&lt;/p&gt;&lt;p&gt;Qt e o logotipo de Qt son marcas comerciais de The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt é un produto de The Qt Company Ltd desenvolvido como proxecto de código aberto. Consulte &lt;a href="http://%3/"&gt;%3&lt;/a&gt; para máis información.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translatorcomment>es: Acerca de Qt</translatorcomment>
        <translation>Acerca de Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translatorcomment>es: Ocultar los detalles...</translatorcomment>
        <translation>Ocultar os detalles...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translatorcomment>es: &lt;h3&gt;Acerca de Qt&lt;/h3&gt;&lt;p&gt;Este programa usa Qt versión %1.&lt;/p&gt;</translatorcomment>
        <translation>&lt;h3&gt;Acerca de Qt&lt;/h3&gt;&lt;p&gt;Este programa usa a versión %1 de Qt.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translatorcomment>es: &amp;No</translatorcomment>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translatorcomment>es: &amp;Sí</translatorcomment>
        <translation>&amp;Si</translation>
    </message>
    <message>
        <source>Help</source>
        <translatorcomment>es: Ayuda</translatorcomment>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>es: Abrir</translatorcomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>es: Guardar</translatorcomment>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Abort</source>
        <translatorcomment>es: Interrumpir</translatorcomment>
        <translation>Interromper</translation>
    </message>
    <message>
        <source>Apply</source>
        <translatorcomment>es: Aplicar</translatorcomment>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translatorcomment>es: Cerrar</translatorcomment>
        <translation>Pechar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translatorcomment>es: Reinicializar</translatorcomment>
        <translation>Restabelecer</translation>
    </message>
    <message>
        <source>Retry</source>
        <translatorcomment>es: Reintentar</translatorcomment>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translatorcomment>es: Restaurar los valores predeterminados</translatorcomment>
        <translation>Restaurar os valores predeterminados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translatorcomment>es: Cancelar</translatorcomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translatorcomment>es: Ignorar</translatorcomment>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translatorcomment>es: N&amp;o a todo</translatorcomment>
        <translation>N&amp;on a todo</translation>
    </message>
    <message>
        <source>Save All</source>
        <translatorcomment>es: Guardar todo</translatorcomment>
        <translation>Gardar todo</translation>
    </message>
    <message>
        <source>Discard</source>
        <translatorcomment>es: Descartar</translatorcomment>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translatorcomment>es: Sí a &amp;todo</translatorcomment>
        <translation>Si a &amp;todo</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>OK</source>
        <translatorcomment>es: Aceptar</translatorcomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translatorcomment>es: Páginas pares</translatorcomment>
        <translation>Páxinas pares</translation>
    </message>
    <message>
        <source>Print</source>
        <translatorcomment>es: Imprimir</translatorcomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translatorcomment>es: &amp;Opciones &lt;&lt;</translatorcomment>
        <translation>&amp;Opcións &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translatorcomment>es: &amp;Opciones &gt;&gt;</translatorcomment>
        <translation>&amp;Opcións &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translatorcomment>es: Izquierda a derecha, arriba a abajo</translatorcomment>
        <translation>De esquerda a dereita, de arriba abaixo</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translatorcomment>es: Derecha a izquierda, abajo a arriba</translatorcomment>
        <translation>De dereita a esquerda, de abaixo arriba</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translatorcomment>es: Escribir archivo PDF</translatorcomment>
        <translation>Escribir ficheiro PDF</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translatorcomment>es: Im&amp;primir</translatorcomment>
        <translation>Im&amp;primir</translation>
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
        <translation>As opcións «Páxinas por folla» e «Conxunto de páxinas» non se poden usar á vez.
Desactiva unha delas.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translatorcomment>es: %1 ya existe.
¿Desea sobrescribirlo?</translatorcomment>
        <translation>%1 xa existe.
Queres sobrescribilo?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translatorcomment>es: 2 (2x1)</translatorcomment>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translatorcomment>es: Izquierda a derecha, abajo a arriba</translatorcomment>
        <translation>De esquerda a dereita, de abaixo arriba</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translatorcomment>es: 4 (2x2)</translatorcomment>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translatorcomment>es: Páginas impares</translatorcomment>
        <translation>Páxinas impares</translation>
    </message>
    <message>
        <source>Local file</source>
        <translatorcomment>es: Archivo local</translatorcomment>
        <translation>Ficheiro local</translation>
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
        <translation>Imprimir nun ficheiro (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translatorcomment>es: Imprimir a fichero...</translatorcomment>
        <translation>Imprimir nun ficheiro...</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translatorcomment>es: 9 (3x3)</translatorcomment>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translatorcomment>es: Automático</translatorcomment>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translatorcomment>es: Derecha A izquierda, arriba a abajo</translatorcomment>
        <translation>De dereita a esquerda, de arriba abaixo</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translatorcomment>es: Abajo a arriba, izquierda a derecha</translatorcomment>
        <translation>De abaixo arriba, de esquerda a dereita</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translatorcomment>es: El campo «De» no puede ser mayor que el valor del campo «A».</translatorcomment>
        <translation>O valor «Desde» non pode ser maior que o valor «Ata».</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translatorcomment>es: Todas las páginas</translatorcomment>
        <translation>Todas as páxinas</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translatorcomment>es: %1 es un directorio.
Elija un nombre de fichero diferente.</translatorcomment>
        <translation>%1 é un directorio.
Escolle outro nome de ficheiro.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translatorcomment>es: No se puede escribir en el fichero %1.
Elija un nombre de fichero diferente.</translatorcomment>
        <translation>Non se pode escribir no ficheiro %1.
Escolle outro nome de ficheiro.</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translatorcomment>es: Abajo a arriba, derecha a izquierda</translatorcomment>
        <translation>De abaixo arriba, de dereita a esquerda</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translatorcomment>es: Arriba a abajo, izquierda a derecha</translatorcomment>
        <translation>De arriba abaixo, de esquerda a dereita</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translatorcomment>es: Arriba a abajo, derecha a izquierda</translatorcomment>
        <translation>De arriba abaixo, de dereita a esquerda</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 non segue a sintaxe correcta. Usa «,» para separar intervalos e páxinas e «-» para definir intervalos, e comproba que os intervalos non se solapan.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Conflitos na impresión a dobre cara</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Definición de páxinas non válida</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Hai conflitos na configuración da impresión a dobre cara. Queres corrixilos?</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Top</source>
        <translatorcomment>es: Parte superior</translatorcomment>
        <translation>Parte superior</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translatorcomment>es: Desplazar hacia abajo</translatorcomment>
        <translation>Desprazar cara abaixo</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translatorcomment>es: Desplazar hasta aquí</translatorcomment>
        <translation>Desprazar ata aquí</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translatorcomment>es: Desplazar hacia la izquierda</translatorcomment>
        <translation>Desprazar cara á esquerda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translatorcomment>es: Parte inferior</translatorcomment>
        <translation>Parte inferior</translation>
    </message>
    <message>
        <source>Page up</source>
        <translatorcomment>es: Una página hacia arriba</translatorcomment>
        <translation>Páxina arriba</translation>
    </message>
    <message>
        <source>Page right</source>
        <translatorcomment>es: Una página a la derecha</translatorcomment>
        <translation>Páxina á dereita</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translatorcomment>es: Desplazar hacia arriba</translatorcomment>
        <translation>Desprazar cara arriba</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translatorcomment>es: Desplazar hacia la derecha</translatorcomment>
        <translation>Desprazar cara á dereita</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translatorcomment>es: Borde izquierdo</translatorcomment>
        <translation>Bordo esquerdo</translation>
    </message>
    <message>
        <source>Page down</source>
        <translatorcomment>es: Una página hacia abajo</translatorcomment>
        <translation>Páxina abaixo</translation>
    </message>
    <message>
        <source>Page left</source>
        <translatorcomment>es: Una página a la izquierda</translatorcomment>
        <translation>Páxina á esquerda</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translatorcomment>es: Borde derecho</translatorcomment>
        <translation>Bordo dereito</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translatorcomment>es: Atrás</translatorcomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>File</source>
        <translatorcomment>es: Archivo</translatorcomment>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>Open</source>
        <translatorcomment>es: Abrir</translatorcomment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translatorcomment>es: &amp;Abrir</translatorcomment>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translatorcomment>es: &amp;Guardar</translatorcomment>
        <translation>&amp;Gardar</translation>
    </message>
    <message>
        <source>Alias</source>
        <translatorcomment>es: Alias</translatorcomment>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Drive</source>
        <translatorcomment>es: Unidad</translatorcomment>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Files</source>
        <translatorcomment>es: Archivos</translatorcomment>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Show </source>
        <translatorcomment>es: Mostrar </translatorcomment>
        <translation>Mostrar </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translatorcomment>es: «%1» está protegido contra escritura.
¿Desea borrarlo de todas formas?</translatorcomment>
        <translation>«%1» está protexido contra escritura.
Queres eliminalo de todos os xeitos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translatorcomment>es: ¿Está seguro de que quiere borrar «%1»?</translatorcomment>
        <translation>Seguro que queres eliminar «%1»?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translatorcomment>es: Lista de lugares y marcadores</translatorcomment>
        <translation>Lista de lugares e marcadores</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translatorcomment>es: &amp;Nombre de fichero:</translatorcomment>
        <translation>&amp;Nome do ficheiro:</translation>
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
        <translation>Cartafol de ficheiros</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translatorcomment>es: Nueva carpeta</translatorcomment>
        <translation>Novo cartafol</translation>
    </message>
    <message>
        <source>Folder</source>
        <translatorcomment>es: Carpeta</translatorcomment>
        <translation>Cartafol</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translatorcomment>es: Directorio superior</translatorcomment>
        <translation>Directorio superior</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translatorcomment>es: &amp;Nueva carpeta</translatorcomment>
        <translation>&amp;Novo cartafol</translation>
    </message>
    <message>
        <source>Remove</source>
        <translatorcomment>es: Eliminar</translatorcomment>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translatorcomment>es: Mi equipo</translatorcomment>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translatorcomment>es: Ver en:</translatorcomment>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translatorcomment>es: Alt+Derecha</translatorcomment>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translatorcomment>es: Crear una nueva carpeta</translatorcomment>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translatorcomment>es: Archivo %1</translatorcomment>
        <translation>Ficheiro %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translatorcomment>es: Ficheros de tipo:</translatorcomment>
        <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translatorcomment>es: Buscar directorio</translatorcomment>
        <translation>Buscar directorio</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translatorcomment>es: Mostrar los fic&amp;heros ocultos</translatorcomment>
        <translation>Mostrar os ficheiros &amp;ocultos</translation>
    </message>
    <message>
        <source>Save As</source>
        <translatorcomment>es: Guardar como</translatorcomment>
        <translation>Gardar como</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translatorcomment>es: %1
Directorio no encontrado.
Verifique que el nombre del directorio es correcto.</translatorcomment>
        <translation>%1
Non se atopou o directorio.
Comproba que o nome do directorio é correcto.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translatorcomment>es: Barra lateral</translatorcomment>
        <translation>Barra lateral</translation>
    </message>
    <message>
        <source>List View</source>
        <translatorcomment>es: Vista de lista</translatorcomment>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translatorcomment>es: &amp;Seleccionar</translatorcomment>
        <translation>&amp;Escoller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translatorcomment>es: &amp;Borrar</translatorcomment>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translatorcomment>es: Todos los archivos (*)</translatorcomment>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translatorcomment>es: Todos los ficheros (*)</translatorcomment>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translatorcomment>es: Directorios</translatorcomment>
        <translation>Directorios</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translatorcomment>es: Cambia&amp;r de nombre</translatorcomment>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translatorcomment>es: No fue posible borrar el directorio.</translatorcomment>
        <translation>Non foi posible eliminar o directorio.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translatorcomment>es: Directorio:</translatorcomment>
        <translation>Directorio:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translatorcomment>es: Desconocido</translatorcomment>
        <translation>Descoñecido</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translatorcomment>es: El fichero %1 ya existe.
¿Desea reemplazarlo?</translatorcomment>
        <translation>%1 xa existe.
Queres substituílo?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translatorcomment>es: Siguiente</translatorcomment>
        <translation>Adiante</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translatorcomment>es: Ir hacia delante</translatorcomment>
        <translation>Ir cara adiante</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translatorcomment>es: r al directorio superior</translatorcomment>
        <translation>Ir ao directorio superior</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translatorcomment>es: Lugares recientes</translatorcomment>
        <translation>Lugares recentes</translation>
    </message>
    <message>
        <source>Go back</source>
        <translatorcomment>es: Ir atrás</translatorcomment>
        <translation>Ir cara atrás</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translatorcomment>es: Cambiar a modo de vista detallada</translatorcomment>
        <translation>Cambiar á vista detallada</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translatorcomment>es: Crear nueva carpeta</translatorcomment>
        <translation>Crear un cartafol novo</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translatorcomment>es: Acceso directo</translatorcomment>
        <translation>Atallo</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translatorcomment>es: Vista detallada</translatorcomment>
        <translation>Vista detallada</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translatorcomment>es: %1
Fichero no encontrado.
Verifique que el nombre del fichero es correcto.</translatorcomment>
        <translation>%1
Non se atopou o ficheiro.
Comproba que o nome do ficheiro é correcto.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translatorcomment>es: Cambiar el modo de vista de la lista</translatorcomment>
        <translation>Cambiar á vista de lista</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translatorcomment>es: Cor&amp;tar</translatorcomment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translatorcomment>es: &amp;Copiar</translatorcomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translatorcomment>es: &amp;Rehacer</translatorcomment>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translatorcomment>es: &amp;Deshacer</translatorcomment>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translatorcomment>es: &amp;Pegar</translatorcomment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translatorcomment>es: Seleccionar todo</translatorcomment>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translatorcomment>es: Cor&amp;tar</translatorcomment>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translatorcomment>es: &amp;Copiar</translatorcomment>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translatorcomment>es: &amp;Rehacer</translatorcomment>
        <translation>&amp;Refacer</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translatorcomment>es: &amp;Deshacer</translatorcomment>
        <translation>&amp;Desfacer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translatorcomment>es: &amp;Pegar</translatorcomment>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translatorcomment>es: Borrar</translatorcomment>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translatorcomment>es: Seleccionar todo</translatorcomment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translatorcomment>es: Copiar la ubicación del en&amp;lace</translatorcomment>
        <translation>Copiar o enderezo da &amp;ligazón</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translatorcomment>es: Clase</translatorcomment>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translatorcomment>es: Nombre</translatorcomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translatorcomment>es: Tamaño</translatorcomment>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translatorcomment>es: Tipo</translatorcomment>
        <translation>Tipo</translation>
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
        <translation>&lt;b&gt;Non se pode usar o nome «%1».&lt;/b&gt;&lt;p&gt;Proba con outro nome, con menos caracteres ou sen signos de puntuación.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translatorcomment>es: %1 bytes</translatorcomment>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translatorcomment>es: Mi Equipo</translatorcomment>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translatorcomment>es: Equipo</translatorcomment>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translatorcomment>es: Nombre de fichero no válido</translatorcomment>
        <translation>Nome de ficheiro non válido</translation>
    </message>
    <message>
        <source>%1 byte(s)</source>
        <translatorcomment>es: %1 byte(s)</translatorcomment>
        <translation>%1 byte(s)</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translatorcomment>es: Última modificación</translatorcomment>
        <translation>Data de modificación</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translatorcomment>es: Opciones desconocidas: %1.</translatorcomment>
        <translation>Opcións descoñecidas: %1.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translatorcomment>es: Opción desconocida «%1».</translatorcomment>
        <translation>Opción descoñecida «%1».</translation>
    </message>
    <message>
        <source>[options]</source>
        <translatorcomment>es: [opciones]</translatorcomment>
        <translation>[opcións]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translatorcomment>es: Opciones:</translatorcomment>
        <translation>Opcións:</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translatorcomment>es: Uso: %1</translatorcomment>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translatorcomment>es: Valor inesperado tras «%1».</translatorcomment>
        <translation>Valor inesperado despois de «%1».</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translatorcomment>es: Muestra la información de versión.</translatorcomment>
        <translation>Mostra a información da versión.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translatorcomment>es: Argumentos:</translatorcomment>
        <translation>Argumentos:</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translatorcomment>es: Muestra esta ayuda.</translatorcomment>
        <translation>Mostra esta axuda.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translatorcomment>es: Falta valor tras «%1».</translatorcomment>
        <translation>Falta un valor despois de «%1».</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translatorcomment>es: Páginas de cabecera</translatorcomment>
        <translation>Páxinas de cabeceira</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translatorcomment>es: Información de facturación:</translatorcomment>
        <translation>Información de facturación:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translatorcomment>es: Clasificado</translatorcomment>
        <translation>Clasificado</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translatorcomment>es: Confidencial</translatorcomment>
        <translation>Confidencial</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translatorcomment>es: Día (06:00 a 17:59)</translatorcomment>
        <translation>Día (06:00 a 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translatorcomment>es: Final:</translatorcomment>
        <translation>Fin:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translatorcomment>es: Mantener indefinidamente</translatorcomment>
        <translation>Reter indefinidamente</translation>
    </message>
    <message>
        <source>Job</source>
        <translatorcomment>es: Trabajo</translatorcomment>
        <translation>Traballo</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translatorcomment>es: Control de Trabajos</translatorcomment>
        <translation>Control de traballos</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translatorcomment>es: Prioridad del trabajo:</translatorcomment>
        <translation>Prioridade do traballo:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translatorcomment>es: Noche (18:00 a 05:59)</translatorcomment>
        <translation>Noite (18:00 a 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translatorcomment>es: Ninguna</translatorcomment>
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translatorcomment>es: Imprimir inmediatamente</translatorcomment>
        <translation>Imprimir inmediatamente</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translatorcomment>es: Impresión programada:</translatorcomment>
        <translation>Impresión programada:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translatorcomment>es: Segundo cambio (16:00 a 23:59)</translatorcomment>
        <translation>Segunda quenda (16:00 a 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translatorcomment>es: Secreto</translatorcomment>
        <translation>Secreto</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translatorcomment>es: Hora específica</translatorcomment>
        <translation>Hora concreta</translation>
    </message>
    <message>
        <source>Standard</source>
        <translatorcomment>es: Estándar</translatorcomment>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Start:</source>
        <translatorcomment>es: Inicial:</translatorcomment>
        <translation>Inicio:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translatorcomment>es: Tercer cambio (00:00 a 07:59)</translatorcomment>
        <translation>Terceira quenda (00:00 a 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translatorcomment>es: Alto secreto</translatorcomment>
        <translation>Alto secreto</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translatorcomment>es: Sin clasificar</translatorcomment>
        <translation>Sen clasificar</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translatorcomment>es: Fin de semana (Sábado a Domingo)</translatorcomment>
        <translation>Fin de semana (sábado a domingo)</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Page</source>
        <translatorcomment>es: Página</translatorcomment>
        <translation>Páxina</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Hai conflitos nalgunhas opcións. Corríxeos.</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Conflitos nas opcións avanzadas</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translatorcomment>es: Opciones de trabajo</translatorcomment>
        <translation>Opcións do traballo</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Conflitos na configuración da páxina</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translatorcomment>es: Propiedades de impresora</translatorcomment>
        <translation>Propiedades da impresora</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Hai conflitos nas opcións de configuración da páxina. Queres corrixilos?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Hai conflitos nalgunhas opcións avanzadas. Queres corrixilos?</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Custom</source>
        <translatorcomment>es: Personalizado</translatorcomment>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Height:</source>
        <translatorcomment>es: Alto:</translatorcomment>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translatorcomment>es: Pulgadas (in)</translatorcomment>
        <translation>Polgadas (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translatorcomment>es: Apaisado</translatorcomment>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Margins</source>
        <translatorcomment>es: Márgenes</translatorcomment>
        <translation>Marxes</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translatorcomment>es: Milímetros (mm)</translatorcomment>
        <translation>Milímetros (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translatorcomment>es: Orientación</translatorcomment>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translatorcomment>es: Diseño de página</translatorcomment>
        <translation>Disposición da páxina</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translatorcomment>es: Orden de páginas:</translatorcomment>
        <translation>Orde das páxinas:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translatorcomment>es: Tamaño de página:</translatorcomment>
        <translation>Tamaño da páxina:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translatorcomment>es: Páginas por hoja:</translatorcomment>
        <translation>Páxinas por folla:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translatorcomment>es: Papel</translatorcomment>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translatorcomment>es: Fuente del papel:</translatorcomment>
        <translation>Orixe do papel:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translatorcomment>es: Picas (P̸)</translatorcomment>
        <translation>Picas (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translatorcomment>es: Puntos (pt)</translatorcomment>
        <translation>Puntos (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translatorcomment>es: Vertical</translatorcomment>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translatorcomment>es: Apaisado invertido</translatorcomment>
        <translation>Horizontal invertido</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translatorcomment>es: Vertical invertido</translatorcomment>
        <translation>Vertical invertido</translation>
    </message>
    <message>
        <source>Width:</source>
        <translatorcomment>es: Ancho:</translatorcomment>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translatorcomment>es: Margen inferior</translatorcomment>
        <translation>marxe inferior</translation>
    </message>
    <message>
        <source>left margin</source>
        <translatorcomment>es: Margen izquierdo</translatorcomment>
        <translation>marxe esquerda</translation>
    </message>
    <message>
        <source>right margin</source>
        <translatorcomment>es: Margen derecho</translatorcomment>
        <translation>marxe dereita</translation>
    </message>
    <message>
        <source>top margin</source>
        <translatorcomment>es: Margen superior</translatorcomment>
        <translation>marxe superior</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translatorcomment>es: &amp;Nombre:</translatorcomment>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translatorcomment>es: Ubicación:</translatorcomment>
        <translation>Localización:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translatorcomment>es: &amp;Fichero de salida:</translatorcomment>
        <translation>&amp;Ficheiro de saída:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translatorcomment>es: P&amp;ropiedades</translatorcomment>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Preview</source>
        <translatorcomment>es: Previsualización</translatorcomment>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Printer</source>
        <translatorcomment>es: Impresora</translatorcomment>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Type:</source>
        <translatorcomment>es: Tipo:</translatorcomment>
        <translation>Tipo:</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translatorcomment>es: Recopilar</translatorcomment>
        <translation>Intercalar</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translatorcomment>es: Modo de color</translatorcomment>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Copies</source>
        <translatorcomment>es: Copias</translatorcomment>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translatorcomment>es: Copias:</translatorcomment>
        <translation>Copias:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translatorcomment>es: Página Actual</translatorcomment>
        <translation>Páxina actual</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a dobre cara</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translatorcomment>es: Escala de grises</translatorcomment>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encadernación polo lado longo</translation>
    </message>
    <message>
        <source>None</source>
        <translatorcomment>es: Ninguno</translatorcomment>
        <translation>Ningunha</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>es: Opciones</translatorcomment>
        <translation>Opcións</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translatorcomment>es: Configuración de salida</translatorcomment>
        <translation>Configuración da saída</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translatorcomment>es: Set de páginas:</translatorcomment>
        <translation>Conxunto de páxinas:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páxinas</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translatorcomment>es: Páginas desde</translatorcomment>
        <translation>Páxinas desde</translation>
    </message>
    <message>
        <source>Print all</source>
        <translatorcomment>es: Imprimir todo</translatorcomment>
        <translation>Imprimir todo</translation>
    </message>
    <message>
        <source>Print range</source>
        <translatorcomment>es: Imprimir el intervalo</translatorcomment>
        <translation>Intervalo de impresión</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translatorcomment>es: Inverso</translatorcomment>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Selection</source>
        <translatorcomment>es: Selección</translatorcomment>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encadernación polo lado curto</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Indica as páxinas ou os intervalos separados por comas. Un intervalo escríbese con dous números separados por un guión. Por exemplo, 3,5-7,9 imprime as páxinas 3, 5, 6, 7 e 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translatorcomment>es: a</translatorcomment>
        <translation>a</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Custom</source>
        <translatorcomment>es: Personalizado</translatorcomment>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translatorcomment>es: Carta / ANSI A</translatorcomment>
        <translation>Carta / ANSI A</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translatorcomment>es: Tabloide / ANSI B</translatorcomment>
        <translation>Tabloide / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translatorcomment>es: Libro mayor / ANSI B</translatorcomment>
        <translation>Libro maior / ANSI B</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translatorcomment>es: Ejecutivo (7.5 x 10 in)</translatorcomment>
        <translation>Executivo (7.5 x 10 in)</translation>
    </message>
    <message>
        <source>Note</source>
        <translatorcomment>es: Nota</translatorcomment>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translatorcomment>es: Tarjeta postal</translatorcomment>
        <translation>Tarxeta postal</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translatorcomment>es: Sobre DL</translatorcomment>
        <translation>Sobre DL</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translatorcomment>es: Sobre C5</translatorcomment>
        <translation>Sobre C5</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translatorcomment>es: Sobre C4</translatorcomment>
        <translation>Sobre C4</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translatorcomment>es: Sobre EEUU 10</translatorcomment>
        <translation>Sobre EUA 10</translation>
    </message>
</context>
</TS>
