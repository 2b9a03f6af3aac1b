<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>About</name>
    <message>
        <source>Cuestaval %1
Problemas y simulaciones de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa tirado por otro que cuelga de una polea, y la máquina de Atwood.
Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Es software libre y se distribuye sin ninguna garantía.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Cuestaval necesita una sesión gráfica: ábralo desde el escritorio (X11 o Wayland).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pruebe «cuestaval --help».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no admite argumentos: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escala de las ventanas, en por ciento: 100, 125, 150, 175 o 200.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>por ciento</source>
        <extracomment>The value name of --zoom in the command line&apos;s help.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>No se ha podido guardar la escala de las ventanas para la próxima vez.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Atrás</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Índice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acerca de Cuestaval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
