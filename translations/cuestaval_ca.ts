<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>About</name>
    <message>
        <source>Cuestaval %1
Problemas y simulaciones de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa tirado por otro que cuelga de una polea, y la máquina de Atwood.
Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Es software libre y se distribuye sin ninguna garantía.</source>
        <translation>Cuestaval %1
Problemes i simulacions de la segona llei de Newton: el pla inclinat amb fregament, el bloc sobre una taula estirat per un altre que penja d&apos;una politja, i la màquina d&apos;Atwood.
Llicència: GPL-3.0-or-later (Llicència Pública General de GNU, versió 3 o posterior). És programari lliure i es distribueix sense cap garantia.</translation>
    </message>
</context>
<context>
    <name>ArrowScale</name>
    <message>
        <source>Escala</source>
        <extracomment>Drawn on the simulation&apos;s picture, above a bar that shows how long an arrow of so many newtons is</extracomment>
        <translation>Escala</translation>
    </message>
</context>
<context>
    <name>AtwoodCases</name>
    <message>
        <source>La masa m1 debe ser mayor que cero</source>
        <translation>La massa m1 ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>La massa m2 ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>La tensió ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La aceleración de la gravedad debe ser mayor que la aceleración</source>
        <translation>L&apos;acceleració de la gravetat ha de ser més gran que l&apos;acceleració</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Una corda només pot estirar: la seva tensió no pot ser negativa.</translation>
    </message>
    <message>
        <source>El bloque que baja no puede caer más deprisa que en caída libre: la aceleración tiene que ser menor que g.</source>
        <translation>El bloc que baixa no pot caure més de pressa que en caiguda lliure: l&apos;acceleració ha de ser més petita que g.</translation>
    </message>
    <message>
        <source>Bloque 1 (baja):   m₁·g − T = m₁·a</source>
        <translation>Bloc 1 (baixa):   m₁·g − T = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 2 (sube):   T − m₂·g = m₂·a</source>
        <translation>Bloc 2 (puja):   T − m₂·g = m₂·a</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:</source>
        <translation>Sumant les dues equacions, la tensió desapareix; aïllant T de cadascuna:</translation>
    </message>
    <message>
        <source>Cada bloque tiene que tener masa: una masa cero o negativa no describe un bloque colgado de la cuerda.</source>
        <translation>Cada bloc ha de tenir massa: una massa zero o negativa no descriu un bloc penjat de la corda.</translation>
    </message>
    <message>
        <source>Escribe una masa %1 mayor que cero.</source>
        <translation>Escriu una massa %1 més gran que zero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Aïllament</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>L&apos;acceleració ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a = 0 las masas serían iguales y con a &lt; 0 m₁ subiría.</source>
        <translation>m₁ és el bloc que baixa: amb a = 0 les masses serien iguals i amb a &lt; 0 m₁ pujaria.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Escriu una acceleració més gran que zero.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Escriu una acceleració més petita que 9,81 m/s².</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 1, y m₂ de T = m₂·(g + a):</source>
        <translation>T s&apos;obté de l&apos;equació del bloc 1, i m₂ de T = m₂·(g + a):</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Escriu una tensió més gran o igual que zero.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁.</source>
        <translation>Escriu una tensió més petita que %1, o augmenta m₁.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 1; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₂:</source>
        <translation>a s&apos;obté de l&apos;equació del bloc 1; eliminant a entre les dues equacions queda T·(m₁ + m₂) = 2·m₁·m₂·g, d&apos;on s&apos;aïlla m₂:</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>La massa m2 ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Una massa no pot ser negativa.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Escriu una massa m₂ més gran o igual que zero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>L&apos;acceleració ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>m₂ es el bloque que sube: con a &lt; 0 bajaría.</source>
        <translation>m₂ és el bloc que puja: amb a &lt; 0 baixaria.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Escriu una acceleració més gran o igual que zero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser menor o igual que la aceleración de la gravedad</source>
        <translation>L&apos;acceleració ha de ser més petita o igual que l&apos;acceleració de la gravetat</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, y m₁ de T = m₁·(g − a):</source>
        <translation>T s&apos;obté de l&apos;equació del bloc 2, i m₁ de T = m₁·(g − a):</translation>
    </message>
    <message>
        <source>La cuerda no podría con el peso de m₂, que es el bloque que sube.</source>
        <translation>La corda no podria amb el pes de m₂, que és el bloc que puja.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce m₂.</source>
        <translation>Escriu una tensió d&apos;almenys %1, o redueix m₂.</translation>
    </message>
    <message>
        <source>La tensión se acerca a 2·m₂·g cuando m₁ es muy pesado, pero nunca llega: haría falta un bloque m₁ infinito.</source>
        <translation>La tensió s&apos;acosta a 2·m₂·g quan m₁ és molt pesant, però no hi arriba mai: caldria un bloc m₁ infinit.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Escriu una tensió més petita que %1.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 2; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₁:</source>
        <translation>a s&apos;obté de l&apos;equació del bloc 2; eliminant a entre les dues equacions queda T·(m₁ + m₂) = 2·m₁·m₂·g, d&apos;on s&apos;aïlla m₁:</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a &lt; 0 subiría.</source>
        <translation>m₁ és el bloc que baixa: amb a &lt; 0 pujaria.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de T = m₁·(g − a) y m₂ de T = m₂·(g + a).</source>
        <translation>Cada bloc per separat: m₁ s&apos;obté de T = m₁·(g − a) i m₂ de T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Massa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Massa 2</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleració</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tensió</translation>
    </message>
    <message>
        <source>aceleración de los bloques</source>
        <translation>acceleració dels blocs</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tensió de la corda</translation>
    </message>
    <message>
        <source>Aquí m₂ &gt; m₁: baja el bloque 2 y sube el bloque 1.</source>
        <translation>Aquí m₂ &gt; m₁: baixa el bloc 2 i puja el bloc 1.</translation>
    </message>
    <message>
        <source>Aquí m₁ &gt; m₂: baja el bloque 1 y sube el bloque 2.</source>
        <translation>Aquí m₁ &gt; m₂: baixa el bloc 1 i puja el bloc 2.</translation>
    </message>
    <message>
        <source>Aquí m₁ = m₂: las ecuaciones se escriben con el bloque 1 hacia abajo y darán a = 0, los bloques en reposo o a velocidad constante.</source>
        <translation>Aquí m₁ = m₂: les equacions s&apos;escriuen amb el bloc 1 cap avall i donaran a = 0, els blocs en repòs o a velocitat constant.</translation>
    </message>
    <message>
        <source>La ventana toma el bloque 1 como el que baja y el bloque 2 como el que sube.</source>
        <translation>La finestra pren el bloc 1 com el que baixa i el bloc 2 com el que puja.</translation>
    </message>
    <message>
        <source>La cuerda tira de los dos hacia arriba con la misma tensión T y, como no se estira, los dos tienen la misma aceleración a.</source>
        <translation>La corda estira tots dos cap amunt amb la mateixa tensió T i, com que no s&apos;allarga, tots dos tenen la mateixa acceleració a.</translation>
    </message>
    <message>
        <source>Bloque 2 (baja):   m₂·g − T = m₂·a</source>
        <translation>Bloc 2 (baixa):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Bloque 1 (sube):   T − m₁·g = m₁·a</source>
        <translation>Bloc 1 (puja):   T − m₁·g = m₁·a</translation>
    </message>
    <message>
        <source>De la suma de las ecuaciones se despeja a:</source>
        <translation>De la suma de les equacions s&apos;aïlla a:</translation>
    </message>
    <message>
        <source>Con las masas cambiadas la aceleración vale lo mismo: en los dos casos a = |m₁ − m₂|·g/(m₁ + m₂).</source>
        <translation>Amb les masses intercanviades l&apos;acceleració és la mateixa: en tots dos casos a = |m₁ − m₂|·g/(m₁ + m₂).</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque que baja, T = %1·(g − a); sustituyendo a queda:</source>
        <translation>T s&apos;obté de l&apos;equació del bloc que baixa, T = %1·(g − a); substituint a queda:</translation>
    </message>
    <message>
        <source>Con T = m₁·g los datos encajan con dos masas iguales: m₂ = m₁ y a = 0.</source>
        <translation>Amb T = m₁·g les dades encaixen amb dues masses iguals: m₂ = m₁ i a = 0.</translation>
    </message>
    <message>
        <source>Si el bloque 1 fuera el que sube, estos datos sí encajan: a = (T − m₁·g)/m₁ = %1 y m₂ = m₁·T/(2·m₁·g − T) = %2.</source>
        <translation>Si el bloc 1 fos el que puja, aquestes dades sí que encaixen: a = (T − m₁·g)/m₁ = %1 i m₂ = m₁·T/(2·m₁·g − T) = %2.</translation>
    </message>
    <message>
        <source>Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y la ventana toma el bloque 1 como el que baja.</source>
        <translation>Una tensió igual o més gran que el pes de m₁ el sostindria o el faria pujar, i la finestra pren el bloc 1 com el que baixa.</translation>
    </message>
    <message>
        <source>a = g cumple lo que pide el mensaje, pero la ventana exige a &lt; g</source>
        <translation>a = g compleix el que demana el missatge, però la finestra exigeix a &lt; g</translation>
    </message>
    <message>
        <source>masa del bloque 1</source>
        <translation>massa del bloc 1</translation>
    </message>
    <message>
        <source>masa del bloque 2</source>
        <translation>massa del bloc 2</translation>
    </message>
</context>
<context>
    <name>AtwoodFrame</name>
    <message>
        <source>Máquina de</source>
        <extracomment>Drawn on the picture: first line of the title &quot;Máquina de Atwood&quot;; the next text is its second line</extracomment>
        <translation>Màquina</translation>
    </message>
    <message>
        <source>Atwood</source>
        <extracomment>Drawn on the picture: second line of the title &quot;Máquina de Atwood&quot;</extracomment>
        <translation>d&apos;Atwood</translation>
    </message>
</context>
<context>
    <name>ClassSets</name>
    <message>
        <source>Cualquier problema</source>
        <translation>Qualsevol problema</translation>
    </message>
    <message>
        <source>Cualquier pregunta</source>
        <translation>Qualsevol pregunta</translation>
    </message>
    <message>
        <source>%1 = %2 (± %3)</source>
        <extracomment>An answer of the key and how far a student&apos;s may stray: &quot;a = 3,2086 m/s² (± 0,0321)&quot;.</extracomment>
        <translation>%1 = %2 (± %3)</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;1, 2 y 3&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>La pregunta, numerada como en los códigos de los ejercicios (la parte del medio); sin ella, cualquiera.</source>
        <translation>La pregunta, numerada com en els codis dels exercicis (la part del mig); sense aquesta opció, qualsevol.</translation>
    </message>
    <message>
        <source>El número del primer código, de 0 a 9999; los demás le siguen. Sin él, uno al azar.</source>
        <translation>El número del primer codi, de 0 a 9999; els altres el segueixen. Sense aquesta opció, un a l&apos;atzar.</translation>
    </message>
    <message>
        <source>Escribe la hoja de los alumnos (PDF).</source>
        <translation>Escriu el full dels alumnes (PDF).</translation>
    </message>
    <message>
        <source>Escribe la clave de respuestas con las resoluciones (PDF).</source>
        <translation>Escriu el solucionari amb les resolucions (PDF).</translation>
    </message>
    <message>
        <source>Escribe el banco de preguntas de Moodle (XML).</source>
        <translation>Escriu el banc de preguntes de Moodle (XML).</translation>
    </message>
    <message>
        <source>--%1 solo sirve con --exercises.</source>
        <translation>--%1 només serveix amb --exercises.</translation>
    </message>
    <message>
        <source>--exercises es el número de variantes, de 1 a %1, no «%2».</source>
        <translation>--exercises és el nombre de variants, d&apos;1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>--problem es inclined, table, atwood o any, no «%1».</source>
        <translation>--problem és inclined, table, atwood o any, no «%1».</translation>
    </message>
    <message>
        <source>--case necesita un problema: --problem inclined, table o atwood.</source>
        <translation>--case necessita un problema: --problem inclined, table o atwood.</translation>
    </message>
    <message>
        <source>--problem %1 no tiene la pregunta «%2»; sus preguntas son %3.</source>
        <translation>--problem %1 no té la pregunta «%2»; les seves preguntes són %3.</translation>
    </message>
    <message>
        <source>--seed es el número del primer código, de 0 a %1, no «%2».</source>
        <translation>--seed és el número del primer codi, de 0 a %1, no «%2».</translation>
    </message>
    <message>
        <source>con --seed %1, %2 variantes llegarían al número %3, pero el último es %4: --seed puede ser como mucho %5.</source>
        <translation>amb --seed %1, %2 variants arribarien al número %3, però l&apos;últim és %4: --seed pot ser com a màxim %5.</translation>
    </message>
    <message>
        <source>--%1 necesita el nombre de un archivo.</source>
        <translation>--%1 necessita el nom d&apos;un fitxer.</translation>
    </message>
    <message>
        <source>--%1 y --%2 son el mismo archivo, «%3».</source>
        <translation>--%1 i --%2 són el mateix fitxer, «%3».</translation>
    </message>
    <message>
        <source>--exercises necesita al menos un archivo que escribir: --sheet, --key o --moodle.</source>
        <translation>--exercises necessita almenys un fitxer per escriure: --sheet, --key o --moodle.</translation>
    </message>
    <message>
        <source>Código %1</source>
        <extracomment>The code on a student&apos;s sheet and on the key.</extracomment>
        <translation>Codi %1</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <extracomment>Before the line where the student writes their name.</extracomment>
        <translation>Nom:</translation>
    </message>
    <message>
        <source>Puedes practicar este ejercicio en Cuestaval: en «Ejercicios», escribe el código %1 y pulsa «Ir».</source>
        <extracomment>At the foot of each exercise on a student&apos;s sheet; &quot;Ejercicios&quot; is the menu button.</extracomment>
        <translation>Pots practicar aquest exercici a Cuestaval: a «Exercicis», escriu el codi %1 i prem «Vés».</translation>
    </message>
    <message>
        <source>Respuestas (se aceptan dentro del margen indicado):</source>
        <extracomment>The key&apos;s answers, before the worked solution; each is the exact value and its margin.</extracomment>
        <translation>Respostes (s&apos;accepten dins del marge indicat):</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The codes of a class set, first and last: &quot;1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1, código %2</source>
        <extracomment>A file written, with the one code it holds: &quot;Hoja para los alumnos, código 1-3-100&quot;.</extracomment>
        <translation>%1, codi %2</translation>
    </message>
    <message>
        <source>%1, códigos %2 a %3</source>
        <extracomment>A file written, with the codes it holds: &quot;Hoja para los alumnos, códigos 1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1, codis %2 a %3</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Clave de respuestas</source>
        <translation>Solucionari</translation>
    </message>
    <message>
        <source>Hoja para los alumnos</source>
        <translation>Full per als alumnes</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle</source>
        <translation>Banc de preguntes de Moodle</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» (la carpeta no existe o no se puede escribir en ella), así que no se ha guardado ningún archivo de la hoja.</source>
        <translation>No s&apos;ha pogut desar «%1» (la carpeta no existeix o no s&apos;hi pot escriure), així que no s&apos;ha desat cap fitxer del full.</translation>
    </message>
    <message>
        <source>hoja</source>
        <extracomment>Names of the files of a class set, before their codes: &quot;hoja 1-3-100 a 1-3-129.pdf&quot;.</extracomment>
        <translation>full</translation>
    </message>
    <message>
        <source>clave</source>
        <translation>solucionari</translation>
    </message>
    <message>
        <source>moodle</source>
        <translation>moodle</translation>
    </message>
    <message>
        <source>Prepara N ejercicios distintos, de 1 a %1, uno por alumno, sin abrir ninguna ventana, y escribe los archivos que piden --sheet, --key y --moodle.</source>
        <translation>Prepara N exercicis diferents, d&apos;1 a %1, un per alumne, sense obrir cap finestra, i escriu els fitxers que demanen --sheet, --key i --moodle.</translation>
    </message>
    <message>
        <source>El problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de Atwood) o any (uno cualquiera en cada ejercicio).</source>
        <translation>El problema: inclined (pla inclinat), table (pla horitzontal), atwood (màquina d&apos;Atwood) o any (qualsevol en cada exercici).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <extracomment>The value name of --sheet and --key in the command line&apos;s help.</extracomment>
        <translation>FITXER.pdf</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <extracomment>The value name of --moodle in the command line&apos;s help.</extracomment>
        <translation>FITXER.xml</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood.</source>
        <translation>Resol i simula tres problemes clàssics de la segona llei de Newton: el pla inclinat amb fregament, el bloc sobre una taula arrossegat a través d&apos;una politja i la màquina d&apos;Atwood.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Mostra aquesta ajuda.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Mostra la versió i la llicència.</translation>
    </message>
    <message>
        <source>no admite argumentos: %1</source>
        <translation>no admet arguments: %1</translation>
    </message>
    <message>
        <source>cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.</source>
        <translation>cuestaval: l&apos;escala «%1» no és vàlida; les escales són 100, 125, 150, 175 i 200.</translation>
    </message>
    <message>
        <source>Cuestaval necesita una sesión gráfica: ábrelo desde el escritorio (X11 o Wayland).</source>
        <translation>Cuestaval necessita una sessió gràfica: obre&apos;l des de l&apos;escriptori (X11 o Wayland).</translation>
    </message>
    <message>
        <source>Prueba «cuestaval --help».</source>
        <translation>Prova «cuestaval --help».</translation>
    </message>
    <message>
        <source>Escala de las ventanas, en porcentaje: 100, 125, 150, 175 o 200.</source>
        <translation>Escala de les finestres, en percentatge: 100, 125, 150, 175 o 200.</translation>
    </message>
    <message>
        <source>porcentaje</source>
        <extracomment>The value name of --zoom in the command line&apos;s help.</extracomment>
        <translation>percentatge</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>Normal</source>
        <extracomment>A label of the inclined-plane diagram: the normal force.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>m g sen θ</source>
        <extracomment>A label of the inclined-plane diagram: the weight along the plane (&quot;sen&quot; is the sine).</extracomment>
        <translation>m g sin θ</translation>
    </message>
</context>
<context>
    <name>EnergyView</name>
    <message>
        <source>Energía (J)</source>
        <extracomment>Title of the energy graph&apos;s scale, as the other graphs&apos; axes</extracomment>
        <translation>Energia (J)</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>Plano inclinado</source>
        <translation>Pla inclinat</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Pla horitzontal</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Màquina d&apos;Atwood</translation>
    </message>
    <message>
        <source>Calcula %1</source>
        <extracomment>A question of the practice, named by its unknown: &quot;Calcula μ&quot;.</extracomment>
        <translation>Calcula %1</translation>
    </message>
    <message>
        <source>Calcula %1 y %2</source>
        <extracomment>A question of the practice, named by its two unknowns: &quot;Calcula m₂ y a&quot;.</extracomment>
        <translation>Calcula %1 i %2</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción. Revisa la ecuación del eje x: además de m·g·sen θ actúa la fricción fr = μ·m·g·cos θ, que se opone al deslizamiento.</source>
        <translation>Sembla que no has tingut en compte el fregament. Revisa l&apos;equació de l&apos;eix x: a més de m·g·sin θ, hi actua el fregament fr = μ·m·g·cos θ, que s&apos;oposa al lliscament.</translation>
    </message>
    <message>
        <source>Parece que has cambiado el seno por el coseno. Al descomponer el peso, la componente a lo largo del plano es m·g·sen θ y la perpendicular al plano, m·g·cos θ.</source>
        <translation>Sembla que has canviat el sinus pel cosinus. En descompondre el pes, la component al llarg del pla és m·g·sin θ i la perpendicular al pla, m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al deslizamiento, así que en el eje x resta: m·g·sen θ − fr = m·a.</source>
        <translation>Sembla que has sumat el fregament. El fregament s&apos;oposa al lliscament, així que a l&apos;eix x resta: m·g·sin θ − fr = m·a.</translation>
    </message>
    <message>
        <source>Parece que has tomado la normal igual al peso. En un plano inclinado la normal equilibra solo la componente perpendicular del peso: N = m·g·cos θ.</source>
        <translation>Sembla que has pres la normal igual al pes. En un pla inclinat la normal equilibra només la component perpendicular del pes: N = m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que la calculadora estaba en radianes. Los ángulos de este problema van en grados: pon la calculadora en modo grados (DEG) y repite el cálculo.</source>
        <translation>Sembla que la calculadora estava en radiants. Els angles d&apos;aquest problema són en graus: posa la calculadora en mode de graus (DEG) i repeteix el càlcul.</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción de la mesa. En la ecuación del bloque 1, además de la tensión T, actúa la fricción fr = μ·m₁·g, que se opone al movimiento.</source>
        <translation>Sembla que no has tingut en compte el fregament de la taula. A l&apos;equació del bloc 1, a més de la tensió T, hi actua el fregament fr = μ·m₁·g, que s&apos;oposa al moviment.</translation>
    </message>
    <message>
        <source>Revisa la fricción: actúa sobre el bloque de la mesa, cuya normal es N = m₁·g, así que fr = μ·m₁·g. El bloque colgante no roza con nada.</source>
        <translation>Revisa el fregament: actua sobre el bloc de la taula, la normal del qual és N = m₁·g, així que fr = μ·m₁·g. El bloc penjat no frega amb res.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: el peso del bloque colgante arrastra a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Revisa quina massa s&apos;accelera: el pes del bloc penjat arrossega tots dos blocs, així que a l&apos;equació del conjunt hi va la massa total m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque colgante. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₂·(g − a).</source>
        <translation>Sembla que has pres la tensió igual al pes del bloc penjat. Aquest bloc accelera cap avall, així que la corda l&apos;estira amb menys força que el seu pes: T = m₂·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al movimiento, así que en la ecuación del bloque 1 resta: T − fr = m₁·a.</source>
        <translation>Sembla que has sumat el fregament. El fregament s&apos;oposa al moviment, així que a l&apos;equació del bloc 1 resta: T − fr = m₁·a.</translation>
    </message>
    <message>
        <source>Revisa qué bloque baja: m₁ es el que baja, m₁·g − T = m₁·a, y m₂ el que sube, T − m₂·g = m₂·a.</source>
        <translation>Revisa quin bloc baixa: m₁ és el que baixa, m₁·g − T = m₁·a, i m₂ el que puja, T − m₂·g = m₂·a.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: la diferencia de pesos mueve a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Revisa quina massa s&apos;accelera: la diferència de pesos mou tots dos blocs, així que a l&apos;equació del conjunt hi va la massa total m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque que baja. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₁·(g − a).</source>
        <translation>Sembla que has pres la tensió igual al pes del bloc que baixa. Aquest bloc accelera cap avall, així que la corda l&apos;estira amb menys força que el seu pes: T = m₁·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual a la fuerza neta, (m₁ − m₂)·g. La tensión es la fuerza de la cuerda sobre cada bloque: sale de la ecuación de uno de ellos.</source>
        <translation>Sembla que has pres la tensió igual a la força neta, (m₁ − m₂)·g. La tensió és la força de la corda sobre cada bloc: surt de l&apos;equació d&apos;un dels dos.</translation>
    </message>
    <message>
        <source>Revisa el signo de a en la ecuación del bloque que sube: acelera hacia arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).</source>
        <translation>Revisa el signe de a a l&apos;equació del bloc que puja: accelera cap amunt, T − m₂·g = m₂·a, així que T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Un bloque baja deslizándose por un plano inclinado que forma un ángulo θ con la horizontal, con aceleración a. Entre el bloque y el plano hay fricción cinética, de coeficiente μ.</source>
        <translation>Un bloc baixa lliscant per un pla inclinat que forma un angle θ amb l&apos;horitzontal, amb acceleració a. Entre el bloc i el pla hi ha fregament cinètic, de coeficient μ.</translation>
    </message>
    <message>
        <source>Un bloque de masa m₁ está sobre una mesa horizontal, con coeficiente de fricción cinética μ entre el bloque y la mesa. Una cuerda que pasa por una polea en el borde de la mesa lo une a un bloque colgante de masa m₂, que baja y lo arrastra: los dos se mueven con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Un bloc de massa m₁ és sobre una taula horitzontal, amb coeficient de fregament cinètic μ entre el bloc i la taula. Una corda que passa per una politja a la vora de la taula l&apos;uneix a un bloc penjat de massa m₂, que baixa i l&apos;arrossega: tots dos es mouen amb acceleració a, i la tensió de la corda és T. La corda i la politja tenen massa negligible.</translation>
    </message>
    <message>
        <source>Dos bloques cuelgan de los extremos de una cuerda que pasa por una polea fija (máquina de Atwood): el de masa m₁ baja y el de masa m₂ sube, los dos con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Dos blocs pengen dels extrems d&apos;una corda que passa per una politja fixa (màquina d&apos;Atwood): el de massa m₁ baixa i el de massa m₂ puja, tots dos amb acceleració a, i la tensió de la corda és T. La corda i la politja tenen massa negligible.</translation>
    </message>
    <message>
        <source>el ángulo θ del plano</source>
        <translation>l&apos;angle θ del pla</translation>
    </message>
    <message>
        <source>el coeficiente de fricción μ</source>
        <translation>el coeficient de fregament μ</translation>
    </message>
    <message>
        <source>la aceleración a del bloque</source>
        <translation>l&apos;acceleració a del bloc</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque de la mesa</source>
        <translation>la massa m₁ del bloc de la taula</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque colgante</source>
        <translation>la massa m₂ del bloc penjat</translation>
    </message>
    <message>
        <source>la aceleración a</source>
        <translation>l&apos;acceleració a</translation>
    </message>
    <message>
        <source>la tensión T de la cuerda</source>
        <translation>la tensió T de la corda</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque que baja</source>
        <translation>la massa m₁ del bloc que baixa</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque que sube</source>
        <translation>la massa m₂ del bloc que puja</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;θ = 30°, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>Datos: %1.</source>
        <extracomment>%1 lists the given values: &quot;m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>Dades: %1.</translation>
    </message>
    <message>
        <source>Calcula %1.</source>
        <extracomment>%1 names the unknown: &quot;el coeficiente de fricción μ&quot;.</extracomment>
        <translation>Calcula %1.</translation>
    </message>
    <message>
        <source>Calcula %1 y %2.</source>
        <extracomment>%1 and %2 name the unknowns: &quot;la masa m₂ del bloque colgante&quot;, &quot;la aceleración a&quot;.</extracomment>
        <translation>Calcula %1 i %2.</translation>
    </message>
    <message>
        <source>Escribe el código de un ejercicio.</source>
        <translation>Escriu el codi d&apos;un exercici.</translation>
    </message>
    <message>
        <source>No hay ningún ejercicio con el código «%1».</source>
        <translation>No hi ha cap exercici amb el codi «%1».</translation>
    </message>
    <message>
        <source>Un código tiene tres números separados por guiones, como 2-4-4817: el problema (1, 2 o 3), la pregunta y un número de 0 a %1.</source>
        <extracomment>%1 is the largest number of an exercise.</extracomment>
        <translation>Un codi té tres nombres separats per guionets, com ara 2-4-4817: el problema (1, 2 o 3), la pregunta i un nombre del 0 al %1.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Màquina d&apos;Atwood.</translation>
    </message>
    <message>
        <source>Máquina de Atwood: una polea con una cuerda de cuyos extremos cuelgan los bloques m1 y m2, con la tensión T hacia arriba y los pesos m1 g y m2 g hacia abajo.</source>
        <translation>Màquina d&apos;Atwood: una politja amb una corda que té penjats als extrems els blocs m1 i m2, amb la tensió T cap amunt i els pesos m1 g i m2 g cap avall.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resol</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metres per segon al quadrat</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Màquina d&apos;Atwood</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>en kilogramos</source>
        <translation>en quilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metres per segon al quadrat</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graus</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sense unitats</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercicis</translation>
    </message>
    <message>
        <source>Problema</source>
        <extracomment>Caption of the list of problems to practise.</extracomment>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <extracomment>Caption of the list of questions: what the exercise asks for.</extracomment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>Nou exercici</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <extracomment>Button: checks the typed answers.</extracomment>
        <translation>Comprova</translation>
    </message>
    <message>
        <source>Ver simulación</source>
        <extracomment>Button: opens the simulation of the problem with the exercise&apos;s values.</extracomment>
        <translation>Obre la simulació</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Código</source>
        <extracomment>Caption of the field where the student types an exercise&apos;s code, as 2-4-4817.</extracomment>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Ir</source>
        <extracomment>Button: opens the exercise whose code is typed beside it.</extracomment>
        <translation>Obre</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>One of the choices of problem and of question: any of them.</extracomment>
        <translation>Qualsevol</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <extracomment>%1 is the exercise&apos;s code: problem, question and number, as 2-4-4817.</extracomment>
        <translation>Codi: %1</translation>
    </message>
    <message>
        <source>Tienes tres intentos.</source>
        <translation>Tens tres intents.</translation>
    </message>
    <message>
        <source>Correcto</source>
        <extracomment>Beside an answer that is within the tolerance of the exact value.</extracomment>
        <translation>Correcte</translation>
    </message>
    <message>
        <source>Incorrecto</source>
        <extracomment>Beside an answer that is not.</extracomment>
        <translation>Incorrecte</translation>
    </message>
    <message>
        <source>Te queda un intento.</source>
        <translation>Et queda un intent.</translation>
    </message>
    <message>
        <source>Te quedan %1 intentos.</source>
        <translation>Et queden %1 intents.</translation>
    </message>
    <message>
        <source>Solución: %1.</source>
        <extracomment>%1 lists the exact answers: &quot;a = 3,21 m/s²; T = 14,13 N&quot;.</extracomment>
        <translation>Solució: %1.</translation>
    </message>
    <message>
        <source>Correctos a la primera: %1 de %2</source>
        <extracomment>Exercises answered right at the first try, of those checked in this session.</extracomment>
        <translation>Correctes a la primera: %1 de %2</translation>
    </message>
    <message>
        <source>Preparar una hoja…</source>
        <extracomment>Button: opens the dialog that writes a different exercise for every student of a class.</extracomment>
        <translation>Prepara un full…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Fricción mayor</source>
        <extracomment>Shown instead of an acceleration: friction holds the block still</extracomment>
        <translation>Fregament excessiu</translation>
    </message>
    <message>
        <source>Ángulo de Inclinación</source>
        <translation>Angle d&apos;inclinació</translation>
    </message>
    <message>
        <source>Coeficiente de Fricción</source>
        <translation>Coeficient de fregament</translation>
    </message>
    <message>
        <source>Aceleración del Bloque</source>
        <translation>Acceleració del bloc</translation>
    </message>
    <message>
        <source>Tiempo de Deslizamiento</source>
        <translation>Temps de lliscament</translation>
    </message>
    <message>
        <source>Distancia Recorrida</source>
        <translation>Distància recorreguda</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Inicia el moviment</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Atura el moviment</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Dades i gràfiques</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Valors del problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior.</source>
        <translation>El pla inclinat amb el bloc i les seves forces: el pes, les seves components, la normal i el fregament, a escala. Durant el moviment deixa marques cada 0,1 s a les franges esquerra i inferior.</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Pla inclinat</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Pla horitzontal.</translation>
    </message>
    <message>
        <source>Masa del Bloque 1</source>
        <translation>Massa del bloc 1</translation>
    </message>
    <message>
        <source>Masa del Bloque 2</source>
        <translation>Massa del bloc 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficient de fregament</translation>
    </message>
    <message>
        <source>Aceleración de los Bloques</source>
        <translation>Acceleració dels blocs</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Temps de simulació</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Label of the distance the blocks have moved</extracomment>
        <translation>Distància</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tensió</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Inicia el moviment</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Atura el moviment</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Dades i gràfiques</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Valors del problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s.</source>
        <translation>La taula amb el bloc 1, la politja i el bloc 2 que penja, amb les tensions, el fregament i el pes a escala. Durant el moviment deixa marques cada 0,1 s.</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Pla horitzontal</translation>
    </message>
    <message>
        <source>No solución</source>
        <extracomment>Shown in the acceleration field, which is narrow: keep it short</extracomment>
        <translation>Sense solució</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Segunda Ley de Newton.</source>
        <translation>Segona llei de Newton.</translation>
    </message>
    <message>
        <source>&quot;Segunda Ley de Newton&quot;</source>
        <translation>&quot;Segona llei de Newton&quot;</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Màquina d&apos;Atwood</translation>
    </message>
    <message>
        <source>&quot;Máquina de Atwood&quot;</source>
        <translation>&quot;Màquina d&apos;Atwood&quot;</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Màquina d&apos;Atwood.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Massa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Massa 2</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Temps de simulació</translation>
    </message>
    <message>
        <source>Aceleración Masa 1</source>
        <translation>Acceleració massa 1</translation>
    </message>
    <message>
        <source>Aceleración Masa 2</source>
        <translation>Acceleració massa 2</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tensió</translation>
    </message>
    <message>
        <source>Distancia </source>
        <extracomment>Label of the distance each mass has moved (the trailing blank is part of the original layout)</extracomment>
        <translation>Distància </translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Inicia el moviment</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Atura el moviment</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Dades i gràfiques</translation>
    </message>
    <message>
        <source>Nota sobre las masas del problema</source>
        <translation>Nota sobre les masses del problema</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques.</source>
        <translation>La màquina d&apos;Atwood: la politja, les cordes i els dos blocs amb els seus pesos i tensions a escala. Durant el moviment deixa marques cada 0,1 s al costat dels blocs.</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Màquina d&apos;Atwood</translation>
    </message>
    <message>
        <source>No hay solución</source>
        <translation>No hi ha solució</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Prof. de Física · Mecánica Clásica</source>
        <extracomment>Author credit: &quot;Prof.&quot; abbreviates &quot;Profesor&quot; (teacher)</extracomment>
        <translation>Prof. de física · Mecànica clàssica</translation>
    </message>
    <message>
        <source>Plano Horizontal</source>
        <translation>Pla horitzontal</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Màquina d&apos;Atwood</translation>
    </message>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <extracomment>Button: opens the practice window, which poses problems to solve</extracomment>
        <translation>Exercicis</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Ángulo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Coeficient de fregament</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleració</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resol</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metres per segon al quadrat</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graus</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sense unitats</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <translation>Pla inclinat</translation>
    </message>
    <message>
        <source>Bloque sobre un plano inclinado un ángulo θ, con su peso m g descompuesto en m g sen θ y m g cos θ, la fuerza Normal y la fricción fr.</source>
        <translation>Bloc sobre un pla inclinat un angle θ, amb el seu pes m g descompost en m g sin θ i m g cos θ, la força Normal i el fregament fr.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Pla horitzontal.</translation>
    </message>
    <message>
        <source>Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, unido por una cuerda que pasa por una polea al bloque colgante m2, con las fuerzas T y m2 g.</source>
        <translation>Bloc m1 sobre una taula amb les forces N, fr, T i m1 g, unit per una corda que passa per una politja al bloc penjat m2, amb les forces T i m2 g.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Resol</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Torna</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulació</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilograms</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>sense unitats</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metres per segon al quadrat</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Pla horitzontal</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Coeficient de fregament</translation>
    </message>
</context>
<context>
    <name>Handover</name>
    <message>
        <source>Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4</source>
        <extracomment>After a problem&apos;s values reach a simulation: %1 its g, %2 a symbol (T, a), %3 the value the window shows, %4 its unit, %5 the g of the problem windows, %6 the value with that g</extracomment>
        <translation>Aquí g = %1 m/s²: %2 = %3 %4; amb %5 m/s², %6 %4</translation>
    </message>
</context>
<context>
    <name>HorizontalPlaneCases</name>
    <message>
        <source>El coeficiente de fricción debe ser mayor o igual a cero</source>
        <translation>El coeficient de fregament ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>La tensió ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor que cero</source>
        <translation>La tensió ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>L&apos;acceleració ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor a cero</source>
        <translation>La massa m1 ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor o igual a cero</source>
        <translation>La massa m1 ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>La massa m2 ha de ser més gran o igual que zero</translation>
    </message>
    <message>
        <source>La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado</source>
        <translation>L&apos;acceleració ha de ser positiva i més petita que 9,81 metres per segon al quadrat</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>Una massa no pot ser negativa.</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>Una corda només pot estirar: la seva tensió no pot ser negativa.</translation>
    </message>
    <message>
        <source>Bloque 1, horizontal:   T − fr = m₁·a</source>
        <translation>Bloc 1, horitzontal:   T − fr = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</source>
        <translation>Bloc 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</translation>
    </message>
    <message>
        <source>Bloque 2 (m₂, colgante): su peso m₂·g tira hacia abajo y la cuerda hacia arriba con T; la cuerda no se estira, así que los dos bloques tienen la misma aceleración a.</source>
        <translation>Bloc 2 (m₂, penjat): el seu pes m₂·g estira cap avall i la corda cap amunt amb T; la corda no s&apos;allarga, de manera que els dos blocs tenen la mateixa acceleració a.</translation>
    </message>
    <message>
        <source>Bloque 2, vertical (hacia abajo):   m₂·g − T = m₂·a</source>
        <translation>Bloc 2, vertical (cap avall):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Sistema de ecuaciones:</source>
        <translation>Sistema d&apos;equacions:</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece:</source>
        <translation>Sumant les dues equacions, la tensió desapareix:</translation>
    </message>
    <message>
        <source>Las masas deben ser mayores o iguales a cero</source>
        <translation>Les masses han de ser més grans o iguals que zero</translation>
    </message>
    <message>
        <source>Escribe masas mayores o iguales a cero.</source>
        <translation>Escriu masses més grans o iguals que zero.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor o igual a cero.</source>
        <translation>Escriu un coeficient de fregament més gran o igual que zero.</translation>
    </message>
    <message>
        <source>Aumenta m₂ o reduce μ o m₁, hasta que m₂ ≥ μ·m₁.</source>
        <translation>Augmenta m₂ o redueix μ o m₁, fins que m₂ ≥ μ·m₁.</translation>
    </message>
    <message>
        <source>Las dos masas son cero: no hay nada que mover.</source>
        <translation>Les dues masses són zero: no hi ha res per moure.</translation>
    </message>
    <message>
        <source>Escribe al menos una masa mayor que cero.</source>
        <translation>Escriu almenys una massa més gran que zero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Aïllament</translation>
    </message>
    <message>
        <source>Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero.</source>
        <translation>Per aïllar μ cal dividir per m₁·g, de manera que m₁ no pot ser zero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor que cero.</source>
        <translation>Escriu una massa m₁ més gran que zero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Escriu una massa m₂ més gran o igual que zero.</translation>
    </message>
    <message>
        <source>El bloque colgante tira del sistema, que parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>El bloc penjat estira el sistema, que parteix del repòs: no pot accelerar cap enrere.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Escriu una acceleració més gran o igual que zero.</translation>
    </message>
    <message>
        <source>Ni sin fricción (μ = 0) llegaría el sistema a esa aceleración: haría falta un coeficiente de fricción negativo.</source>
        <translation>Fins i tot sense fregament (μ = 0), el sistema no arribaria a aquesta acceleració: caldria un coeficient de fregament negatiu.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor o igual a %1, o aumenta m₂.</source>
        <translation>Escriu una acceleració més petita o igual que %1, o augmenta m₂.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja μ; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a s&apos;aïlla μ; T s&apos;obté de l&apos;equació del bloc 2:</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor o igual a cero.</source>
        <translation>Escriu una massa m₁ més gran o igual que zero.</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor que cero.</source>
        <translation>Escriu una tensió més gran que zero.</translation>
    </message>
    <message>
        <source>Con una masa igual a cero no se puede despejar μ: habría que dividir entre m₁·m₂·g.</source>
        <translation>Amb una massa igual a zero no es pot aïllar μ: caldria dividir per m₁·m₂·g.</translation>
    </message>
    <message>
        <source>Escribe dos masas mayores que cero.</source>
        <translation>Escriu dues masses més grans que zero.</translation>
    </message>
    <message>
        <source>Esa es la tensión sin fricción; una tensión menor pediría un coeficiente de fricción negativo.</source>
        <translation>Aquesta és la tensió sense fregament; una tensió més petita demanaria un coeficient de fregament negatiu.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1.</source>
        <translation>Escriu una tensió d&apos;almenys %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja μ:</source>
        <translation>Eliminant a entre les dues equacions queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, d&apos;on s&apos;aïlla μ:</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría, y el sistema no se movería hacia la polea.</source>
        <translation>La corda estiraria el bloc penjat cap amunt amb més força que el seu pes: pujaria, i el sistema no es mouria cap a la politja.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor o igual a %1, o aumenta m₂.</source>
        <translation>Escriu una tensió més petita o igual que %1, o augmenta m₂.</translation>
    </message>
    <message>
        <source>La aceleración sale de la ecuación del bloque 2:</source>
        <translation>L&apos;acceleració s&apos;obté de l&apos;equació del bloc 2:</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Escriu una tensió més gran o igual que zero.</translation>
    </message>
    <message>
        <source>Por pesado que sea el bloque colgante, la tensión se acerca a m₁·(1 + μ)·g sin llegar nunca a ese valor.</source>
        <translation>Per pesant que sigui el bloc penjat, la tensió s&apos;acosta a m₁·(1 + μ)·g sense arribar mai a aquest valor.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁ o μ.</source>
        <translation>Escriu una tensió més petita que %1, o augmenta m₁ o μ.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₂; después a sale de la suma de las ecuaciones:</source>
        <translation>Eliminant a entre les dues equacions queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, d&apos;on s&apos;aïlla m₂; després a s&apos;obté de la suma de les equacions:</translation>
    </message>
    <message>
        <source>a &lt; 0, es decir, T &lt; μ·m₁·g = %1</source>
        <translation>a &lt; 0, és a dir, T &lt; μ·m₁·g = %1</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce μ.</source>
        <translation>Escriu una tensió d&apos;almenys %1, o redueix μ.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo hacia la polea, y el bloque colgante no puede caer más deprisa que en caída libre: 0 ≤ a &lt; g.</source>
        <translation>El sistema parteix del repòs cap a la politja, i el bloc penjat no pot caure més de pressa que en caiguda lliure: 0 ≤ a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre 0 y 9,81 m/s² (sin llegar a 9,81).</source>
        <translation>Escriu una acceleració entre 0 i 9,81 m/s² (sense arribar a 9,81).</translation>
    </message>
    <message>
        <source>De la ecuación del bloque 2, m₂·(g − a) = T, se despeja m₂; μ sale de la suma de las ecuaciones:</source>
        <translation>De l&apos;equació del bloc 2, m₂·(g − a) = T, s&apos;aïlla m₂; μ s&apos;obté de la suma de les equacions:</translation>
    </message>
    <message>
        <source>μ &lt; 0, es decir, T &lt; m₁·a = %1</source>
        <translation>μ &lt; 0, és a dir, T &lt; m₁·a = %1</translation>
    </message>
    <message>
        <source>La cuerda no tira lo bastante para dar esa aceleración al bloque de la mesa, ni siquiera sin fricción.</source>
        <translation>La corda no estira prou per donar aquesta acceleració al bloc de la taula, ni tan sols sense fregament.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce a o m₁.</source>
        <translation>Escriu una tensió d&apos;almenys %1, o redueix a o m₁.</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0, y el bloque colgante no puede caer más deprisa que en caída libre, a &lt; g.</source>
        <translation>Aquest cas demana un sistema que acceleri, a &gt; 0, i el bloc penjat no pot caure més de pressa que en caiguda lliure, a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que 0 y menor que 9,81 m/s².</source>
        <translation>Escriu una acceleració més gran que 0 i més petita que 9,81 m/s².</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₂; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a s&apos;aïlla m₂; T s&apos;obté de l&apos;equació del bloc 2:</translation>
    </message>
    <message>
        <source>T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)</source>
        <translation>T − μ·m₁·g = m₁·a   (dues incògnites, m₁ i μ, en una equació)</translation>
    </message>
    <message>
        <source>m₂, a y T solo describen el bloque colgante. La ecuación del bloque de la mesa tiene dos incógnitas, m₁ y μ, y cualquier pareja que la cumpla vale: faltan datos.</source>
        <translation>m₂, a i T només descriuen el bloc penjat. L&apos;equació del bloc de la taula té dues incògnites, m₁ i μ, i qualsevol parella que la compleixi és vàlida: falten dades.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T.</source>
        <translation>Marca m₁ o μ com a dada en lloc de m₂, a o T.</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>La massa m2 ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor que cero.</source>
        <translation>Escriu una massa m₂ més gran que zero.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>El coeficient de fregament ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Escriu un coeficient de fregament més gran que zero.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>El sistema parteix del repòs: no pot accelerar cap enrere.</translation>
    </message>
    <message>
        <source>Escribe una aceleración o un coeficiente de fricción mayor que cero.</source>
        <translation>Escriu una acceleració o un coeficient de fregament més gran que zero.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₁; T sale de la ecuación del bloque 2:</source>
        <translation>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a s&apos;aïlla m₁; T s&apos;obté de l&apos;equació del bloc 2:</translation>
    </message>
    <message>
        <source>a &gt; g, así que m₁ &lt; 0</source>
        <translation>a &gt; g, de manera que m₁ &lt; 0</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre.</source>
        <translation>El bloc penjat no pot caure més de pressa que en caiguda lliure.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Escriu una acceleració més petita que 9,81 m/s².</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor a cero</source>
        <translation>La massa m2 ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>Para despejar a hay que dividir entre m₂, así que m₂ no puede ser cero.</source>
        <translation>Per aïllar a cal dividir per m₂, de manera que m₂ no pot ser zero.</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría en lugar de bajar.</source>
        <translation>La corda estiraria el bloc penjat cap amunt amb més força que el seu pes: pujaria en lloc de baixar.</translation>
    </message>
    <message>
        <source>Sin fricción, una tensión igual al peso del bloque colgante pediría un bloque m₁ infinitamente pesado.</source>
        <translation>Sense fregament, una tensió igual al pes del bloc penjat demanaria un bloc m₁ infinitament pesant.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Escriu una tensió més petita que %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₁:</source>
        <translation>Eliminant a entre les dues equacions queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, d&apos;on s&apos;aïlla m₁:</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>L&apos;acceleració ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Escriu una acceleració més gran que zero.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de la ecuación del bloque 1, T − μ·m₁·g = m₁·a, y m₂ de la del bloque 2, m₂·g − T = m₂·a.</source>
        <translation>Cada bloc per separat: m₁ s&apos;obté de l&apos;equació del bloc 1, T − μ·m₁·g = m₁·a, i m₂ de la del bloc 2, m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre; con a ≥ g, m₂ = T/(g − a) no tiene sentido.</source>
        <translation>El bloc penjat no pot caure més de pressa que en caiguda lliure; amb a ≥ g, m₂ = T/(g − a) no té sentit.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Massa 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Massa 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficient de fregament</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleració</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tensió</translation>
    </message>
    <message>
        <source>masa del bloque sobre la mesa</source>
        <translation>massa del bloc sobre la taula</translation>
    </message>
    <message>
        <source>masa del bloque colgante</source>
        <translation>massa del bloc penjat</translation>
    </message>
    <message>
        <source>coeficiente de fricción de la mesa</source>
        <translation>coeficient de fregament de la taula</translation>
    </message>
    <message>
        <source>aceleración del sistema</source>
        <translation>acceleració del sistema</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tensió de la corda</translation>
    </message>
    <message>
        <source>El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al deslizamiento.</source>
        <translation>El coeficient de fregament no pot ser negatiu: el fregament sempre s&apos;oposa al lliscament.</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante, con fricción cinética μ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier μ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>Amb a = 0 els blocs es mouen a velocitat constant, amb fregament cinètic μ = %1. Si estiguessin en repòs, el fregament estàtic els subjectaria amb qualsevol μ ≥ %1: aquest valor seria només el mínim.</translation>
    </message>
    <message>
        <source>Bloque 1 (m₁, sobre la mesa): la cuerda tira de él con la tensión T hacia la polea y la fricción fr se opone al deslizamiento; en vertical, la normal N equilibra el peso m₁·g.</source>
        <translation>Bloc 1 (m₁, sobre la taula): la corda l&apos;estira amb la tensió T cap a la politja i el fregament fr s&apos;oposa al lliscament; en vertical, la normal N equilibra el pes m₁·g.</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g</source>
        <translation>Fregament cinètic (el bloc 1 llisca):   fr = μ·N = μ·m₁·g</translation>
    </message>
    <message>
        <source>El peso del bloque colgante, m₂·g, no supera la fricción máxima μ·m₁·g del bloque de la mesa: el sistema se queda en reposo, a = 0, la fricción estática vale justo m₂·g y la tensión es T = m₂·g = %1. La ventana no da resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>El pes del bloc penjat, m₂·g, no supera el fregament màxim μ·m₁·g del bloc de la taula: el sistema es queda en repòs, a = 0, el fregament estàtic val exactament m₂·g i la tensió és T = m₂·g = %1. La finestra no dona cap resultat perquè les seves fórmules són les del sistema que llisca, amb fregament cinètic.</translation>
    </message>
    <message>
        <source>De la suma de las dos ecuaciones se despeja a:</source>
        <translation>De la suma de les dues equacions s&apos;aïlla a:</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:</source>
        <translation>T s&apos;obté de l&apos;equació del bloc 2, T = m₂·(g − a); substituint a queda:</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es demasiado grande</source>
        <translation>l&apos;acceleració no és negativa, és massa gran</translation>
    </message>
    <message>
        <source>una de las masas es cero</source>
        <translation>una de les masses és zero</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero menor que la tensión sin fricción</source>
        <translation>la tensió és positiva, però més petita que la tensió sense fregament</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero mayor que el peso del bloque colgante</source>
        <translation>la tensió és positiva, però més gran que el pes del bloc penjat</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado grande</source>
        <translation>la tensió no és negativa, és massa gran</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es menor que la fricción máxima</source>
        <translation>la tensió no és negativa, és més petita que el fregament màxim</translation>
    </message>
    <message>
        <source>Con T &lt; μ·m₁·g el sistema no desliza: se queda en reposo, a = 0, sujeto por la fricción estática, y entonces la cuerda aguanta el peso del bloque colgante, T = m₂·g, así que m₂ = T/g = %1. La ventana no da ese resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>Amb T &lt; μ·m₁·g el sistema no llisca: es queda en repòs, a = 0, subjectat pel fregament estàtic, i aleshores la corda aguanta el pes del bloc penjat, T = m₂·g, de manera que m₂ = T/g = %1. La finestra no dona aquest resultat perquè les seves fórmules són les del sistema que llisca, amb fregament cinètic.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado pequeña para esa aceleración</source>
        <translation>la tensió no és negativa, és massa petita per a aquesta acceleració</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Comprovació</translation>
    </message>
    <message>
        <source>Los datos tienen que cumplir la ecuación del bloque 2, m₂·g − T = m₂·a:</source>
        <translation>Les dades han de complir l&apos;equació del bloc 2, m₂·g − T = m₂·a:</translation>
    </message>
    <message>
        <source>Estos datos se contradicen: no cumplen la ecuación del bloque colgante. Y aunque la cumplieran, la ecuación del bloque de la mesa tendría dos incógnitas, m₁ y μ: faltarían datos.</source>
        <translation>Aquestes dades es contradiuen: no compleixen l&apos;equació del bloc penjat. I encara que la complissin, l&apos;equació del bloc de la taula tindria dues incògnites, m₁ i μ: faltarien dades.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T, con valores que cumplan m₂·g − T = m₂·a.</source>
        <translation>Marca m₁ o μ com a dada en lloc de m₂, a o T, amb valors que compleixin m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, pero a y μ valen cero a la vez</source>
        <translation>l&apos;acceleració no és negativa, però a i μ valen zero alhora</translation>
    </message>
    <message>
        <source>Sin fricción, el bloque colgante siempre acelera el sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sea cual sea m₁. Ninguna m₁ da a = 0, y al despejarla habría que dividir entre a + μ·g = 0.</source>
        <translation>Sense fregament, el bloc penjat sempre accelera el sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sigui quin sigui m₁. Cap m₁ no dona a = 0, i per aïllar-la caldria dividir per a + μ·g = 0.</translation>
    </message>
    <message>
        <source>Sin bloque colgante (m₂ = 0) y sin fricción, nada tira del bloque 1 ni lo frena: a = 0 con cualquier m₁, que no se puede despejar.</source>
        <translation>Sense bloc penjat (m₂ = 0) i sense fregament, res no estira el bloc 1 ni el frena: a = 0 amb qualsevol m₁, que no es pot aïllar.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es mayor que g</source>
        <translation>l&apos;acceleració no és negativa, és més gran que g</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante con m₁ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier m₁ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>Amb a = 0 els blocs es mouen a velocitat constant amb m₁ = %1. Si estiguessin en repòs, el fregament estàtic els subjectaria amb qualsevol m₁ ≥ %1: aquest valor seria només el mínim.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es mayor que el peso del bloque colgante</source>
        <translation>la tensió no és negativa, és més gran que el pes del bloc penjat</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es igual al peso del bloque colgante</source>
        <translation>la tensió no és negativa, és igual al pes del bloc penjat</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0. Con a = 0 los bloques podrían moverse a velocidad constante, pero la ventana no admite ese valor.</source>
        <translation>Aquest cas demana un sistema que acceleri, a &gt; 0. Amb a = 0 els blocs es podrien moure a velocitat constant, però la finestra no admet aquest valor.</translation>
    </message>
    <message>
        <source>La gravedad debe ser mayor que la aceleración</source>
        <translation>La gravetat ha de ser més gran que l&apos;acceleració</translation>
    </message>
</context>
<context>
    <name>InclinedPlaneCases</name>
    <message>
        <source>El ángulo debe ser mayor a cero y menor a 90 grados</source>
        <translation>L&apos;angle ha de ser més gran que zero i més petit que 90 graus</translation>
    </message>
    <message>
        <source>Sobre el bloque actúan su peso m·g, la normal N (Normal en el dibujo) y la fricción fr, que se opone al deslizamiento. El eje x va a lo largo del plano, hacia abajo, y el eje y perpendicular al plano; el peso se descompone en m·g·sen θ y m·g·cos θ.</source>
        <translation>Sobre el bloc actuen el seu pes m·g, la normal N (Normal al dibuix) i el fregament fr, que s&apos;oposa al lliscament. L&apos;eix x va al llarg del pla, cap avall, i l&apos;eix y és perpendicular al pla; el pes es descompon en m·g·sin θ i m·g·cos θ.</translation>
    </message>
    <message>
        <source>Eje x:   m·g·sen θ − fr = m·a</source>
        <translation>Eix x:   m·g·sin θ − fr = m·a</translation>
    </message>
    <message>
        <source>Eje y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</source>
        <translation>Eix y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</translation>
    </message>
    <message>
        <source>Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:</source>
        <translation>Substituint fr en l&apos;equació de l&apos;eix x, la massa m se simplifica:</translation>
    </message>
    <message>
        <source>a = g·(sen θ − μ·cos θ)</source>
        <translation>a = g·(sin θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°; con 90° la pared es vertical y no hay normal ni fricción.</source>
        <translation>Un pla inclinat forma amb el terra un angle entre 0° i 90°; amb 90° la paret és vertical i no hi ha normal ni fregament.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0 y menor que 90.</source>
        <translation>Escriu un angle més gran que 0 i més petit que 90.</translation>
    </message>
    <message>
        <source>El ángulo debe ser diferente de cero</source>
        <translation>L&apos;angle ha de ser diferent de zero</translation>
    </message>
    <message>
        <source>En un plano horizontal el peso no empuja al bloque a lo largo del plano: no desliza solo.</source>
        <translation>En un pla horitzontal el pes no empeny el bloc al llarg del pla: no llisca per si sol.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0.</source>
        <translation>Escriu un angle més gran que 0.</translation>
    </message>
    <message>
        <source>9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración</source>
        <translation>9,81 pel sinus de l&apos;angle d&apos;inclinació ha de ser més gran que l&apos;acceleració</translation>
    </message>
    <message>
        <source>a ≥ g·sen θ = %1</source>
        <translation>a ≥ g·sin θ = %1</translation>
    </message>
    <message>
        <source>Sin fricción el bloque bajaría con g·sen θ; una aceleración igual o mayor pediría un coeficiente de fricción nulo o negativo.</source>
        <translation>Sense fregament el bloc baixaria amb g·sin θ; una acceleració igual o més gran demanaria un coeficient de fregament nul o negatiu.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que %1, o un ángulo mayor.</source>
        <translation>Escriu una acceleració més petita que %1, o un angle més gran.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Aïllament</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja μ:</source>
        <translation>De a = g·(sin θ − μ·cos θ) s&apos;aïlla μ:</translation>
    </message>
    <message>
        <source>g·sen θ − a</source>
        <translation>g·sin θ − a</translation>
    </message>
    <message>
        <source>%1·sen %2 − %3</source>
        <translation>%1·sin %2 − %3</translation>
    </message>
    <message>
        <source>Búsqueda del ángulo</source>
        <translation>Cerca de l&apos;angle</translation>
    </message>
    <message>
        <source>Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da una aceleración tan cerca de a = %4. El programa no escribe nada.</source>
        <translation>Amb μ = %1, l&apos;acceleració va de %2 (θ = 0°) a %3 (θ = 90°): cap angle enter no dona una acceleració tan a prop de a = %4. El programa no escriu res.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre esos dos valores, o cambia μ.</source>
        <translation>Escriu una acceleració entre aquests dos valors, o canvia μ.</translation>
    </message>
    <message>
        <source>θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4</source>
        <translation>θ = %1:   a = %2·(sin %1 − %3·cos %1) ≈ %4</translation>
    </message>
    <message>
        <source>el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| &lt; 0,1</source>
        <translation>l&apos;angle enter més gran que compleix |a − g·(sin θ − μ·cos θ)| &lt; 0,1</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°.</source>
        <translation>Un pla inclinat forma amb el terra un angle entre 0° i 90°.</translation>
    </message>
    <message>
        <source>Escribe un ángulo entre 0 y 90.</source>
        <translation>Escriu un angle entre 0 i 90.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>El coeficient de fregament ha de ser més gran que zero</translation>
    </message>
    <message>
        <source>Este problema es el de un plano con fricción: el coeficiente tiene que ser positivo.</source>
        <translation>Aquest problema és el d&apos;un pla amb fregament: el coeficient ha de ser positiu.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Escriu un coeficient de fregament més gran que zero.</translation>
    </message>
    <message>
        <source>La aceleración ya está despejada; se sustituyen los datos:</source>
        <translation>L&apos;acceleració ja està aïllada; se substitueixen les dades:</translation>
    </message>
    <message>
        <source>g·(sen θ − μ·cos θ)</source>
        <translation>g·(sin θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>%1·(sen %2 − %3·cos %2)</source>
        <translation>%1·(sin %2 − %3·cos %2)</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleració</translation>
    </message>
    <message>
        <source>Ángulo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coeficient de fregament</translation>
    </message>
    <message>
        <source>aceleración del bloque</source>
        <translation>acceleració del bloc</translation>
    </message>
    <message>
        <source>ángulo del plano</source>
        <translation>angle del pla</translation>
    </message>
    <message>
        <source>coeficiente de fricción</source>
        <translation>coeficient de fregament</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ</source>
        <translation>Fregament cinètic (el bloc llisca):   fr = μ·N = μ·m·g·cos θ</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),</source>
        <translation>De a = g·(sin θ − μ·cos θ) s&apos;aïlla θ: com que sin θ − μ·cos θ = √(1 + μ²)·sin(θ − arctg μ),</translation>
    </message>
    <message>
        <source>θ = arctg μ + arcsen %1</source>
        <extracomment>&quot;arctg&quot; and &quot;arcsen&quot; as the school books of the language write them.</extracomment>
        <translation>θ = arctg μ + arcsin %1</translation>
    </message>
    <message>
        <source>θ = arctg %1 + arcsen %2</source>
        <translation>θ = arctg %1 + arcsin %2</translation>
    </message>
    <message>
        <source>Con a = 0 el bloque baja a velocidad constante y μ = tg θ. Si estuviera en reposo, la fricción estática lo sujetaría con cualquier μ ≥ tg θ: el valor hallado sería solo el mínimo.</source>
        <translation>Amb a = 0 el bloc baixa a velocitat constant i μ = tg θ. Si estigués en repòs, el fregament estàtic el subjectaria amb qualsevol μ ≥ tg θ: el valor trobat seria només el mínim.</translation>
    </message>
    <message>
        <source>La aceleración crece con el ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo da exactamente a = %3.</source>
        <translation>L&apos;acceleració creix amb l&apos;angle, de %1 (θ = 0°) a %2 (θ = 90°): cap angle no dona exactament a = %3.</translation>
    </message>
    <message>
        <source>La ventana no despeja θ: prueba los ángulos de grado entero de 0° a 90° en a = g·(sen θ − μ·cos θ) y escribe el mayor cuya aceleración se aleja de la dada menos de 0,1 m/s².</source>
        <translation>La finestra no aïlla θ: prova els angles de grau enter de 0° a 90° a la fórmula a = g·(sin θ − μ·cos θ) i escriu el més gran amb què l&apos;acceleració s&apos;allunya de la donada menys de 0,1 m/s².</translation>
    </message>
    <message>
        <source>|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°</source>
        <translation>|a − g·(sin θ − μ·cos θ)| ≥ 0,1 m/s² per a tot θ enter de 0° a 90°</translation>
    </message>
    <message>
        <source>a = %1 está entre la aceleración de %2, %3, y la de %4, %5, pero a más de 0,1 m/s² de las dos: con μ = %6 la aceleración cambia más de 0,2 m/s² de un grado al siguiente. El ángulo exacto, %7°, no es entero, y la ventana no escribe nada.</source>
        <translation>a = %1 és entre l&apos;acceleració de %2, %3, i la de %4, %5, però a més de 0,1 m/s² de totes dues: amb μ = %6 l&apos;acceleració canvia més de 0,2 m/s² d&apos;un grau al següent. L&apos;angle exacte, %7°, no és enter, i la finestra no escriu res.</translation>
    </message>
    <message>
        <source>El ángulo que buscas es el exacto, %1°. Para que la ventana escriba uno, acerca a a la aceleración de %2 o de %3.</source>
        <translation>L&apos;angle que busques és l&apos;exacte, %1°. Perquè la finestra n&apos;escrigui un, acosta a a l&apos;acceleració de %2 o de %3.</translation>
    </message>
    <message>
        <source>Ningún ángulo da exactamente a, pero la aceleración de %1 queda a menos de 0,1 m/s², y la ventana lo escribe.</source>
        <translation>Cap angle no dona exactament a, però l&apos;acceleració de %1 queda a menys de 0,1 m/s², i la finestra l&apos;escriu.</translation>
    </message>
    <message>
        <source>Por eso la ventana escribe %1 y no el ángulo exacto, %2°: de %3 a %1 todos los ángulos enteros quedan a menos de 0,1 m/s² de a, y se queda con el mayor.</source>
        <translation>Per això la finestra escriu %1 i no l&apos;angle exacte, %2°: de %3 a %1 tots els angles enters queden a menys de 0,1 m/s² de a, i es queda amb el més gran.</translation>
    </message>
    <message>
        <source>La ventana escribe %1, el único ángulo entero a menos de 0,1 m/s² de a; el exacto es %2°.</source>
        <translation>La finestra escriu %1, l&apos;únic angle enter a menys de 0,1 m/s² de a; l&apos;exacte és %2°.</translation>
    </message>
    <message>
        <source>La ventana pasa los grados a radianes con π ≈ 3,14159, un poco menos que π: por eso tg %1 le sale %2, algo menos que %3, y a es negativa por muy poco.</source>
        <translation>La finestra passa els graus a radiants amb π ≈ 3,14159, una mica menys que π: per això li surt tg %1 = %2, una mica menys que %3, i a és negativa per molt poc.</translation>
    </message>
    <message>
        <source>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</source>
        <extracomment>&quot;tg&quot; is the tangent as the school books of the language write it.</extracomment>
        <translation>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</translation>
    </message>
    <message>
        <source>Solo la fricción máxima, μ·N = μ·m·g·cos θ, supera la componente del peso a lo largo del plano, m·g·sen θ: el bloque no desliza. Se queda en reposo, a = 0, y la fricción estática vale justo m·g·sen θ. La fórmula da un valor negativo porque es la del bloque que desliza, con fricción cinética; por eso la ventana no da resultado. Con μ = %1 el bloque empieza a deslizar a partir de θ = arctg μ = %2°.</source>
        <translation>Només el fregament màxim, μ·N = μ·m·g·cos θ, supera la component del pes al llarg del pla, m·g·sin θ: el bloc no llisca. Es queda en repòs, a = 0, i el fregament estàtic val exactament m·g·sin θ. La fórmula dona un valor negatiu perquè és la del bloc que llisca, amb fregament cinètic; per això la finestra no dona cap resultat. Amb μ = %1 el bloc comença a lliscar a partir de θ = arctg μ = %2°.</translation>
    </message>
    <message>
        <source>Aumenta el ángulo por encima de %1° o reduce μ por debajo de tg θ = %2.</source>
        <translation>Augmenta l&apos;angle per sobre de %1° o redueix μ per sota de tg θ = %2.</translation>
    </message>
</context>
<context>
    <name>PrintPlugin</name>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>El valor de «%1» no es un número válido.</source>
        <translation>El valor de «%1» no és un nombre vàlid.</translation>
    </message>
    <message>
        <source>El problema no tiene solución</source>
        <translation>El problema no té solució</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list of symbols: &quot;m₁, m₂ y μ&quot;.</extracomment>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>%1 no es un número</source>
        <translation>%1 no és un nombre</translation>
    </message>
    <message>
        <source>El campo «%1» no contiene un número que se pueda leer.</source>
        <translation>El camp «%1» no conté un nombre que es pugui llegir.</translation>
    </message>
    <message>
        <source>Escribe solo el número, con coma decimal y sin unidades: por ejemplo 2 o %1.</source>
        <translation>Escriu només el nombre, amb coma decimal i sense unitats: per exemple 2 o %1.</translation>
    </message>
    <message>
        <source>Se conocen %1; se buscan %2.</source>
        <extracomment>%1 lists the given symbols, %2 the sought ones (&quot;m₁, m₂ y μ&quot;).</extracomment>
        <translation>Es coneixen %1; es busquen %2.</translation>
    </message>
    <message>
        <source>Se conocen %1; se busca %2.</source>
        <extracomment>%1 lists the given symbols, %2 is the one sought.</extracomment>
        <translation>Es coneixen %1; es busca %2.</translation>
    </message>
    <message>
        <source>Datos</source>
        <extracomment>Heading of the worked solution: the given values.</extracomment>
        <translation>Dades</translation>
    </message>
    <message>
        <source>En este caso no hace falta leer los valores: basta con saber qué datos se conocen.</source>
        <translation>En aquest cas no cal llegir els valors: n&apos;hi ha prou de saber quines dades es coneixen.</translation>
    </message>
    <message>
        <source>g = %1 (aceleración de la gravedad)</source>
        <translation>g = %1 (acceleració de la gravetat)</translation>
    </message>
    <message>
        <source>Con estos datos el resultado es tan grande que no cabe en ningún número.</source>
        <translation>Amb aquestes dades el resultat és tan gran que no es pot representar amb cap nombre.</translation>
    </message>
    <message>
        <source>Escribe datos de un tamaño razonable.</source>
        <translation>Escriu dades d&apos;una mida raonable.</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultats</translation>
    </message>
    <message>
        <source>Por qué no hay resultado</source>
        <translation>Per què no hi ha resultat</translation>
    </message>
    <message>
        <source>Segunda ley de Newton</source>
        <translation>Segona llei de Newton</translation>
    </message>
    <message>
        <source>Ese mensaje no describe lo que falla: %1.</source>
        <translation>Aquest missatge no descriu el que falla: %1.</translation>
    </message>
    <message>
        <source>Marca tres casillas: las magnitudes que conoces</source>
        <extracomment>The blue note of a problem window after &quot;Resolver&quot; with too few or too many boxes ticked</extracomment>
        <translation>Marca tres caselles: les magnituds que coneixes</translation>
    </message>
    <message>
        <source>Marca dos casillas: las magnitudes que conoces</source>
        <translation>Marca dues caselles: les magnituds que coneixes</translation>
    </message>
    <message>
        <source>Escribe %1</source>
        <extracomment>Added to the blue note after a number typed with the other decimal separator; %1 is it as it must be typed</extracomment>
        <translation>Escriu %1</translation>
    </message>
</context>
<context>
    <name>ProblemWindow</name>
    <message>
        <source>Diagrama de fuerzas</source>
        <translation>Diagrama de forces</translation>
    </message>
    <message>
        <source>Ver resolución</source>
        <extracomment>Button that opens the step-by-step solution of the last press of &quot;Resolver&quot;.</extracomment>
        <translation>Obre la resolució</translation>
    </message>
    <message>
        <source>En cifras decimales, introducir coma en vez de punto.</source>
        <translation>En els nombres decimals, escriu una coma en lloc d&apos;un punt.</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>Distancia recorrida</source>
        <translation>Distància recorreguda</translation>
    </message>
    <message>
        <source>Distancia (m)</source>
        <translation>Distància (m)</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Title of the speed graph</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Velocidad (m/s)</source>
        <translation>Velocitat (m/s)</translation>
    </message>
    <message>
        <source>Tiempo (s)</source>
        <extracomment>Graph axis title</extracomment>
        <translation>Temps (s)</translation>
    </message>
</context>
<context>
    <name>RunEnergy</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An energy of one body: %1 the energy (&quot;Energía cinética&quot;), %2 the body (&quot;bloque 1&quot;)</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Trabajo de los pesos</source>
        <extracomment>Bar label and start of the balance line: the work of both weights (Atwood machine)</extracomment>
        <translation>Treball dels pesos</translation>
    </message>
    <message>
        <source>Trabajo del peso</source>
        <extracomment>Bar label and start of the balance line: the work of the one weight that works</extracomment>
        <translation>Treball del pes</translation>
    </message>
    <message>
        <source>Energía cinética</source>
        <translation>Energia cinètica</translation>
    </message>
    <message>
        <source>Calor por rozamiento</source>
        <translation>Calor per fregament</translation>
    </message>
    <message>
        <source>Variación de energía potencial</source>
        <translation>Variació d&apos;energia potencial</translation>
    </message>
    <message>
        <source>Trabajo de la tensión</source>
        <translation>Treball de la tensió</translation>
    </message>
    <message>
        <source>W pesos</source>
        <extracomment>Column heading: W (work) of both weights; the body and unit follow</extracomment>
        <translation>W pesos</translation>
    </message>
    <message>
        <source>W peso</source>
        <extracomment>Column heading: W (work) of the weight; the unit follows</extracomment>
        <translation>W pes</translation>
    </message>
    <message>
        <source>Ec</source>
        <extracomment>Column heading: the symbol of kinetic energy in the school books</extracomment>
        <translation>Ec</translation>
    </message>
    <message>
        <source>Q</source>
        <extracomment>Column heading: the symbol of heat</extracomment>
        <translation>Q</translation>
    </message>
    <message>
        <source>ΔEp</source>
        <extracomment>Column heading: the symbol of the change of potential energy</extracomment>
        <translation>ΔEp</translation>
    </message>
    <message>
        <source>W tensión</source>
        <extracomment>Column heading: W (work) of the tension</extracomment>
        <translation>W tensió</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>One quantity of the balance line: %1 its name, %2 its value with the unit (&quot;energía cinética 3,08 J&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A bar of one body&apos;s energy: %1 the body (&quot;bloque 1&quot;), %2 the energy (&quot;energía cinética&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RunRecord</name>
    <message>
        <source>bloque 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia bloque 1 (m)&quot;</extracomment>
        <translation>bloc 1</translation>
    </message>
    <message>
        <source>bloque 2</source>
        <translation>bloc 2</translation>
    </message>
    <message>
        <source>El bloque 1 avanza hacia la polea y el bloque 2 baja.</source>
        <translation>El bloc 1 avança cap a la politja i el bloc 2 baixa.</translation>
    </message>
    <message>
        <source>La masa 1 baja y la masa 2 sube.</source>
        <translation>La massa 1 baixa i la massa 2 puja.</translation>
    </message>
    <message>
        <source>La masa 2 baja y la masa 1 sube.</source>
        <translation>La massa 2 baixa i la massa 1 puja.</translation>
    </message>
    <message>
        <source>masa 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia masa 1 (m)&quot;</extracomment>
        <translation>massa 1</translation>
    </message>
    <message>
        <source>masa 2</source>
        <translation>massa 2</translation>
    </message>
</context>
<context>
    <name>RunTable</name>
    <message>
        <source>%1 %2 (%3)</source>
        <extracomment>A column heading: %1 the quantity (Distancia, Velocidad, Ec), %2 the body (bloque 1, masa 2), %3 the unit. The data window shows the three parts on lines of their own.</extracomment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Distància</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Aceleración (m/s²)</source>
        <translation>Acceleració (m/s²)</translation>
    </message>
    <message>
        <source>Tensión (N)</source>
        <translation>Tensió (N)</translation>
    </message>
    <message>
        <source>Aceleración: %1 m/s²</source>
        <translation>Acceleració: %1 m/s²</translation>
    </message>
    <message>
        <source>Tensión: %1 N</source>
        <translation>Tensió: %1 N</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>Column heading (table and CSV file)</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Masa</source>
        <extracomment>Column heading of the files: a body&apos;s mass, followed by the body and the unit</extracomment>
        <translation>Massa</translation>
    </message>
</context>
<context>
    <name>ScrollBridge</name>
    <message>
        <source> (el máximo)</source>
        <extracomment>Appended to a note: the scroll bar is at its highest value. Keep the leading blank</extracomment>
        <translation> (el màxim)</translation>
    </message>
    <message>
        <source> (el mínimo)</source>
        <extracomment>Appended to a note: the scroll bar is at its lowest value. Keep the leading blank</extracomment>
        <translation> (el mínim)</translation>
    </message>
    <message>
        <source>%1 = %2%3 se muestra como %4%3%5</source>
        <extracomment>A problem&apos;s value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given, %3 its unit (may be empty), %4 the value the bar shows, %5 empty or &quot; (el máximo)&quot; / &quot; (el mínimo)&quot;</extracomment>
        <translation>%1 = %2%3 es mostra com a %4%3%5</translation>
    </message>
    <message>
        <source>«%1» no es un número (escribe %2); %3 sigue en %4%5</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the same number as it must be written, %3 the symbol (m₁, μ, θ), %4 the value its scroll bar keeps, %5 its unit (may be empty)</extracomment>
        <translation>«%1» no és un nombre (escriu %2); %3 es manté en %4%5</translation>
    </message>
    <message>
        <source>«%1» no es un número; %2 sigue en %3%4</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the symbol (m₁, μ, θ), %3 the value its scroll bar keeps, %4 its unit (may be empty)</extracomment>
        <translation>«%1» no és un nombre; %2 es manté en %3%4</translation>
    </message>
    <message>
        <source>%1 = %2%3 no cabe en la barra (de %4%3 a %5%3); sigue en %6%3</source>
        <extracomment>A simulation field refused a number its scroll bar cannot reach: %1 the symbol, %2 the number typed, %3 its unit (may be empty), %4 and %5 the ends of the bar, %6 the value the bar keeps</extracomment>
        <translation>%1 = %2%3 no cap a la barra (de %4%3 a %5%3); es manté en %6%3</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Ampliar dibujo</source>
        <extracomment>Check box of the simulations: blocks and force arrows drawn larger, for a class to see</extracomment>
        <translation>Amplia el dibuix</translation>
    </message>
    <message>
        <source>Bloques y flechas de fuerza más grandes, para proyectar ante la clase</source>
        <translation>Blocs i fletxes de força més grans, per projectar davant la classe</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>en quilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>en metres per segon al quadrat</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>en newtons</translation>
    </message>
    <message>
        <source>en segundos</source>
        <translation>en segons</translation>
    </message>
    <message>
        <source>en metros</source>
        <translation>en metres</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>en graus</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Laboratorio Virtual de Física</source>
        <translation>Laboratori virtual de física</translation>
    </message>
    <message>
        <source>Curso de Mecánica Clásica</source>
        <translation>Curs de mecànica clàssica</translation>
    </message>
    <message>
        <source>Emblema de Cuestaval</source>
        <translation>Emblema de Cuestaval</translation>
    </message>
    <message>
        <source>Un bloque sobre un plano inclinado, unido por una cuerda que pasa por una polea a un bloque que cuelga.</source>
        <translation>Un bloc sobre un pla inclinat, unit per una corda que passa per una politja a un bloc que penja.</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>La ventana muestra el mensaje «%1».</source>
        <translation>La finestra mostra el missatge «%1».</translation>
    </message>
    <message>
        <source>Qué puedes cambiar:</source>
        <extracomment>Lead-in of the advice after the condition that stopped the case.</extracomment>
        <translation>Què pots canviar:</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Resolució: %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>indeterminado</source>
        <translation>indeterminat</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>No se ha podido guardar la escala de las ventanas para la próxima vez.</source>
        <translation>No s&apos;ha pogut desar l&apos;escala de les finestres per a la propera vegada.</translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Atrás</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Índex</translation>
    </message>
    <message>
        <source>Acerca de Cuestaval</source>
        <translation>Quant a Cuestaval</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval</source>
        <translation>Ajuda de Cuestaval</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval: %1</source>
        <translation>Ajuda de Cuestaval: %1</translation>
    </message>
</context>
<context>
    <name>class_sets::ClassSetDialog</name>
    <message>
        <source>Preparar una hoja</source>
        <translation>Prepara un full</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>The problem or the question of a class set: each student gets one drawn from their code.</extracomment>
        <translation>Qualsevol</translation>
    </message>
    <message>
        <source>Al azar</source>
        <translation>A l&apos;atzar</translation>
    </message>
    <message>
        <source>Desde el número</source>
        <translation>Des del número</translation>
    </message>
    <message>
        <source>Número del primer código</source>
        <translation>Número del primer codi</translation>
    </message>
    <message>
        <source>Hoja para los alumnos (PDF)</source>
        <translation>Full per als alumnes (PDF)</translation>
    </message>
    <message>
        <source>Clave de respuestas, con las resoluciones (PDF)</source>
        <translation>Solucionari, amb les resolucions (PDF)</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (XML)</source>
        <translation>Banc de preguntes de Moodle (XML)</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Fitxers</translation>
    </message>
    <message>
        <source>Guardar en una carpeta…</source>
        <translation>Desa en una carpeta…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Problema:</source>
        <translation>Problema:</translation>
    </message>
    <message>
        <source>Pregunta:</source>
        <translation>Pregunta:</translation>
    </message>
    <message>
        <source>Alumnos:</source>
        <translation>Alumnes:</translation>
    </message>
    <message>
        <source>Primer código:</source>
        <translation>Primer codi:</translation>
    </message>
    <message>
        <source>El primer número se elige al azar al guardar.</source>
        <translation>El primer número es tria a l&apos;atzar en desar.</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <translation>Codi: %1</translation>
    </message>
    <message>
        <source>Códigos: %1 a %2</source>
        <translation>Codis: %1 a %2</translation>
    </message>
    <message>
        <source>Carpeta donde guardar la hoja</source>
        <translation>Carpeta on desar el full</translation>
    </message>
    <message>
        <source>Archivos guardados en %1:</source>
        <translation>Fitxers desats a %1:</translation>
    </message>
</context>
<context>
    <name>run_data::DataWindow</name>
    <message>
        <source>Datos y gráficas: %1</source>
        <extracomment>Window title; %1 is the simulation, e.g. &quot;Plano horizontal&quot;</extracomment>
        <translation>Dades i gràfiques: %1</translation>
    </message>
    <message>
        <source>Copiar</source>
        <extracomment>Button: copies the table to the clipboard</extracomment>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copia la tabla para pegarla en una hoja de cálculo</source>
        <translation>Copia la taula per enganxar-la en un full de càlcul</translation>
    </message>
    <message>
        <source>Guardar CSV…</source>
        <translation>Desa el CSV…</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Desa la imatge…</translation>
    </message>
    <message>
        <source>Dibujo de la simulación (PNG)…</source>
        <translation>Dibuix de la simulació (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (PNG)…</source>
        <translation>Gràfiques (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (SVG)…</source>
        <translation>Gràfiques (SVG)…</translation>
    </message>
    <message>
        <source>Las gráficas no están disponibles: no se encontró el módulo de gráficas del programa. La tabla se puede copiar y guardar igualmente.</source>
        <translation>Les gràfiques no estan disponibles: no s&apos;ha trobat el mòdul de gràfiques del programa. La taula es pot copiar i desar igualment.</translation>
    </message>
    <message>
        <source>Movimiento en curso</source>
        <translation>Moviment en curs</translation>
    </message>
    <message>
        <source>Último movimiento: duró %1 s</source>
        <extracomment>%1 is the duration of the last run in seconds</extracomment>
        <translation>Últim moviment: ha durat %1 s</translation>
    </message>
    <message>
        <source>Guardar</source>
        <extracomment>Title of the save-file dialog</extracomment>
        <translation>Desa</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>Taula CSV (*.csv)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imatge PNG (*.png)</translation>
    </message>
    <message>
        <source>Gráfico SVG (*.svg)</source>
        <translation>Gràfic SVG (*.svg)</translation>
    </message>
    <message>
        <source>Aún no hay movimiento: pulsa «Iniciar Movimiento» en la simulación.</source>
        <translation>Encara no hi ha moviment: prem «Inicia el moviment» a la simulació.</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» en la carpeta «%2». Elige una carpeta en la que se pueda escribir.</source>
        <extracomment>%1 is a file name, %2 the folder it was to be saved in</extracomment>
        <translation>No s&apos;ha pogut desar «%1» a la carpeta «%2». Tria una carpeta on es pugui escriure.</translation>
    </message>
    <message>
        <source>Las energías son proporcionales a la masa; la aceleración no depende de ella.</source>
        <translation>Les energies són proporcionals a la massa; l&apos;acceleració no en depèn.</translation>
    </message>
    <message>
        <source>Masa del bloque para las energías:</source>
        <extracomment>Beside the box where the student sets the inclined plane&apos;s block mass</extracomment>
        <translation>Massa del bloc per a les energies:</translation>
    </message>
    <message>
        <source>Energía</source>
        <extracomment>Title of the energy graph before a run has a strobe instant</extracomment>
        <translation>Energia</translation>
    </message>
    <message>
        <source>%1, bloque de %2 kg</source>
        <extracomment>Added to the energy graph&apos;s title on the inclined plane: %1 the title, %2 the mass the student set</extracomment>
        <translation>%1, bloc de %2 kg</translation>
    </message>
    <message>
        <source>Energía en t = %1 s</source>
        <extracomment>Title of the energy graph: %1 the time of the last strobe instant, in s</extracomment>
        <translation>Energia a t = %1 s</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <extracomment>Button: closes the data window</extracomment>
        <translation>Tanca</translation>
    </message>
</context>
<context>
    <name>solvers::WorkedSolutionDialog</name>
    <message>
        <source>Resolución</source>
        <extracomment>Title of the dialog with the worked solution (&quot;solution&quot;, not &quot;resolution&quot;).</extracomment>
        <translation>Resolució</translation>
    </message>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Resolució pas a pas</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Imprimeix…</translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Desa el PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tanca</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Resolució: %1</translation>
    </message>
    <message>
        <source>No se puede imprimir: falta el módulo de impresión de Cuestaval.</source>
        <translation>No es pot imprimir: falta el mòdul d&apos;impressió de Cuestaval.</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución. Comprueba la impresora.</source>
        <translation>No s&apos;ha pogut imprimir la resolució. Comprova la impressora.</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Desa el PDF</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar el PDF en «%1». Comprueba que la carpeta existe y que puedes escribir en ella.</source>
        <translation>No s&apos;ha pogut desar el PDF a «%1». Comprova que la carpeta existeix i que hi pots escriure.</translation>
    </message>
</context>
<context>
    <name>title::TitleWindow</name>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Continuar</source>
        <extracomment>Button: goes on to the next window</extracomment>
        <translation>Continua</translation>
    </message>
</context>
</TS>
