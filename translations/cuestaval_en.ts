<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>About</name>
    <message>
        <source>Cuestaval %1
Problemas y simulaciones de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa tirado por otro que cuelga de una polea, y la máquina de Atwood.
Licencia: GPL-3.0-or-later (GNU General Public License, versión 3 o posterior). Es software libre y se distribuye sin ninguna garantía.</source>
        <translation>Cuestaval %1
Problems and simulations of Newton&apos;s second law: the inclined plane with friction, the block on a table pulled by another hanging from a pulley, and the Atwood machine.
Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later). It is free software and comes with no warranty at all.</translation>
    </message>
</context>
<context>
    <name>ArrowScale</name>
    <message>
        <source>Escala</source>
        <extracomment>Drawn on the simulation&apos;s picture, above a bar that shows how long an arrow of so many newtons is</extracomment>
        <translation>Scale</translation>
    </message>
</context>
<context>
    <name>AtwoodCases</name>
    <message>
        <source>La masa m1 debe ser mayor que cero</source>
        <translation>Mass m1 must be greater than zero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>Mass m2 must be greater than zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>The tension must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La aceleración de la gravedad debe ser mayor que la aceleración</source>
        <translation>The acceleration due to gravity must be greater than the acceleration</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>A string can only pull: its tension cannot be negative.</translation>
    </message>
    <message>
        <source>El bloque que baja no puede caer más deprisa que en caída libre: la aceleración tiene que ser menor que g.</source>
        <translation>The block going down cannot fall faster than in free fall: the acceleration has to be less than g.</translation>
    </message>
    <message>
        <source>Bloque 1 (baja):   m₁·g − T = m₁·a</source>
        <translation>Block 1 (goes down):   m₁·g − T = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 2 (sube):   T − m₂·g = m₂·a</source>
        <translation>Block 2 (goes up):   T − m₂·g = m₂·a</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece; despejando T de cada una:</source>
        <translation>Adding the two equations gets rid of the tension; solving each one for T:</translation>
    </message>
    <message>
        <source>Cada bloque tiene que tener masa: una masa cero o negativa no describe un bloque colgado de la cuerda.</source>
        <translation>Each block must have a mass: a zero or negative mass does not describe a block hanging from the string.</translation>
    </message>
    <message>
        <source>Escribe una masa %1 mayor que cero.</source>
        <translation>Enter a mass %1 greater than zero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Solving for the unknowns</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>The acceleration must be greater than zero</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a = 0 las masas serían iguales y con a &lt; 0 m₁ subiría.</source>
        <translation>m₁ is the block going down: with a = 0 the masses would be equal and with a &lt; 0 m₁ would go up.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Enter an acceleration greater than zero.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Enter an acceleration less than 9.81 m/s².</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 1, y m₂ de T = m₂·(g + a):</source>
        <translation>T comes from the equation of block 1, and m₂ from T = m₂·(g + a):</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Enter a tension greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁.</source>
        <translation>Enter a tension less than %1, or increase m₁.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 1; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₂:</source>
        <translation>The acceleration a comes from the equation of block 1; eliminating a between the two equations leaves T·(m₁ + m₂) = 2·m₁·m₂·g, which is solved for m₂:</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>Mass m2 must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>A mass cannot be negative.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Enter a mass m₂ greater than or equal to zero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>The acceleration must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>m₂ es el bloque que sube: con a &lt; 0 bajaría.</source>
        <translation>m₂ is the block going up: with a &lt; 0 it would go down.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Enter an acceleration greater than or equal to zero.</translation>
    </message>
    <message>
        <source>La aceleración debe ser menor o igual que la aceleración de la gravedad</source>
        <translation>The acceleration must be less than or equal to the acceleration due to gravity</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, y m₁ de T = m₁·(g − a):</source>
        <translation>T comes from the equation of block 2, and m₁ from T = m₁·(g − a):</translation>
    </message>
    <message>
        <source>La cuerda no podría con el peso de m₂, que es el bloque que sube.</source>
        <translation>The string could not hold up the weight of m₂, which is the block going up.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce m₂.</source>
        <translation>Enter a tension of at least %1, or reduce m₂.</translation>
    </message>
    <message>
        <source>La tensión se acerca a 2·m₂·g cuando m₁ es muy pesado, pero nunca llega: haría falta un bloque m₁ infinito.</source>
        <translation>The tension approaches 2·m₂·g when m₁ is very heavy, but never reaches it: that would take an infinitely heavy block m₁.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Enter a tension less than %1.</translation>
    </message>
    <message>
        <source>a sale de la ecuación del bloque 2; eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = 2·m₁·m₂·g, de donde se despeja m₁:</source>
        <translation>The acceleration a comes from the equation of block 2; eliminating a between the two equations leaves T·(m₁ + m₂) = 2·m₁·m₂·g, which is solved for m₁:</translation>
    </message>
    <message>
        <source>m₁ es el bloque que baja: con a &lt; 0 subiría.</source>
        <translation>m₁ is the block going down: with a &lt; 0 it would go up.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de T = m₁·(g − a) y m₂ de T = m₂·(g + a).</source>
        <translation>Each block on its own: m₁ comes from T = m₁·(g − a) and m₂ from T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Mass 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Mass 2</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>aceleración de los bloques</source>
        <translation>acceleration of the blocks</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tension in the string</translation>
    </message>
    <message>
        <source>Aquí m₂ &gt; m₁: baja el bloque 2 y sube el bloque 1.</source>
        <translation>Here m₂ &gt; m₁: block 2 goes down and block 1 goes up.</translation>
    </message>
    <message>
        <source>Aquí m₁ &gt; m₂: baja el bloque 1 y sube el bloque 2.</source>
        <translation>Here m₁ &gt; m₂: block 1 goes down and block 2 goes up.</translation>
    </message>
    <message>
        <source>Aquí m₁ = m₂: las ecuaciones se escriben con el bloque 1 hacia abajo y darán a = 0, los bloques en reposo o a velocidad constante.</source>
        <translation>Here m₁ = m₂: the equations are written with block 1 going down, and they give a = 0: the blocks at rest or moving at constant velocity.</translation>
    </message>
    <message>
        <source>La ventana toma el bloque 1 como el que baja y el bloque 2 como el que sube.</source>
        <translation>The window takes block 1 as the one going down and block 2 as the one going up.</translation>
    </message>
    <message>
        <source>La cuerda tira de los dos hacia arriba con la misma tensión T y, como no se estira, los dos tienen la misma aceleración a.</source>
        <translation>The string pulls both of them upwards with the same tension T and, since it does not stretch, both have the same acceleration a.</translation>
    </message>
    <message>
        <source>Bloque 2 (baja):   m₂·g − T = m₂·a</source>
        <translation>Block 2 (goes down):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Bloque 1 (sube):   T − m₁·g = m₁·a</source>
        <translation>Block 1 (goes up):   T − m₁·g = m₁·a</translation>
    </message>
    <message>
        <source>De la suma de las ecuaciones se despeja a:</source>
        <translation>The acceleration a comes from the sum of the equations:</translation>
    </message>
    <message>
        <source>Con las masas cambiadas la aceleración vale lo mismo: en los dos casos a = |m₁ − m₂|·g/(m₁ + m₂).</source>
        <translation>With the masses swapped the acceleration is the same: in both cases a = |m₁ − m₂|·g/(m₁ + m₂).</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque que baja, T = %1·(g − a); sustituyendo a queda:</source>
        <translation>T comes from the equation of the block going down, T = %1·(g − a); substituting a gives:</translation>
    </message>
    <message>
        <source>Con T = m₁·g los datos encajan con dos masas iguales: m₂ = m₁ y a = 0.</source>
        <translation>With T = m₁·g the data fit two equal masses: m₂ = m₁ and a = 0.</translation>
    </message>
    <message>
        <source>Si el bloque 1 fuera el que sube, estos datos sí encajan: a = (T − m₁·g)/m₁ = %1 y m₂ = m₁·T/(2·m₁·g − T) = %2.</source>
        <translation>If block 1 were the one going up, these data would fit: a = (T − m₁·g)/m₁ = %1 and m₂ = m₁·T/(2·m₁·g − T) = %2.</translation>
    </message>
    <message>
        <source>Una tensión igual o mayor que el peso de m₁ lo sostendría o lo subiría, y la ventana toma el bloque 1 como el que baja.</source>
        <translation>A tension equal to or greater than the weight of m₁ would hold it still or lift it, and the window takes block 1 as the one going down.</translation>
    </message>
    <message>
        <source>a = g cumple lo que pide el mensaje, pero la ventana exige a &lt; g</source>
        <translation>a = g meets what the message asks for, but the window requires a &lt; g</translation>
    </message>
    <message>
        <source>masa del bloque 1</source>
        <translation>mass of block 1</translation>
    </message>
    <message>
        <source>masa del bloque 2</source>
        <translation>mass of block 2</translation>
    </message>
</context>
<context>
    <name>AtwoodFrame</name>
    <message>
        <source>Máquina de</source>
        <extracomment>Drawn on the picture: first line of the title &quot;Máquina de Atwood&quot;; the next text is its second line</extracomment>
        <translation>Atwood</translation>
    </message>
    <message>
        <source>Atwood</source>
        <extracomment>Drawn on the picture: second line of the title &quot;Máquina de Atwood&quot;</extracomment>
        <translation>Machine</translation>
    </message>
</context>
<context>
    <name>ClassSets</name>
    <message>
        <source>Cualquier problema</source>
        <translation>Any problem</translation>
    </message>
    <message>
        <source>Cualquier pregunta</source>
        <translation>Any question</translation>
    </message>
    <message>
        <source>%1 = %2 (± %3)</source>
        <extracomment>An answer of the key and how far a student&apos;s may stray: &quot;a = 3,2086 m/s² (± 0,0321)&quot;.</extracomment>
        <translation>%1 = %2 (± %3)</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;1, 2 y 3&quot;.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>La pregunta, numerada como en los códigos de los ejercicios (la parte del medio); sin ella, cualquiera.</source>
        <translation>The question, numbered as in the exercise codes (the middle part); without it, any.</translation>
    </message>
    <message>
        <source>El número del primer código, de 0 a 9999; los demás le siguen. Sin él, uno al azar.</source>
        <translation>The number of the first code, 0 to 9999; the others follow it. Without it, a random one.</translation>
    </message>
    <message>
        <source>Escribe la hoja de los alumnos (PDF).</source>
        <translation>Writes the students’ sheet (PDF).</translation>
    </message>
    <message>
        <source>Escribe la clave de respuestas con las resoluciones (PDF).</source>
        <translation>Writes the answer key with the worked solutions (PDF).</translation>
    </message>
    <message>
        <source>Escribe el banco de preguntas de Moodle (XML).</source>
        <translation>Writes the Moodle question bank (XML).</translation>
    </message>
    <message>
        <source>--%1 solo sirve con --exercises.</source>
        <translation>--%1 only works with --exercises.</translation>
    </message>
    <message>
        <source>--exercises es el número de variantes, de 1 a %1, no «%2».</source>
        <translation>--exercises is the number of variants, 1 to %1, not “%2”.</translation>
    </message>
    <message>
        <source>--problem es inclined, table, atwood o any, no «%1».</source>
        <translation>--problem is inclined, table, atwood or any, not “%1”.</translation>
    </message>
    <message>
        <source>--case necesita un problema: --problem inclined, table o atwood.</source>
        <translation>--case needs a problem: --problem inclined, table or atwood.</translation>
    </message>
    <message>
        <source>--problem %1 no tiene la pregunta «%2»; sus preguntas son %3.</source>
        <translation>--problem %1 has no question “%2”; its questions are %3.</translation>
    </message>
    <message>
        <source>--seed es el número del primer código, de 0 a %1, no «%2».</source>
        <translation>--seed is the number of the first code, 0 to %1, not “%2”.</translation>
    </message>
    <message>
        <source>con --seed %1, %2 variantes llegarían al número %3, pero el último es %4: --seed puede ser como mucho %5.</source>
        <translation>with --seed %1, %2 variants would reach number %3, but the last one is %4: --seed can be at most %5.</translation>
    </message>
    <message>
        <source>--%1 necesita el nombre de un archivo.</source>
        <translation>--%1 needs a file name.</translation>
    </message>
    <message>
        <source>--%1 y --%2 son el mismo archivo, «%3».</source>
        <translation>--%1 and --%2 are the same file, “%3”.</translation>
    </message>
    <message>
        <source>--exercises necesita al menos un archivo que escribir: --sheet, --key o --moodle.</source>
        <translation>--exercises needs at least one file to write: --sheet, --key or --moodle.</translation>
    </message>
    <message>
        <source>Código %1</source>
        <extracomment>The code on a student&apos;s sheet and on the key.</extracomment>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Nombre:</source>
        <extracomment>Before the line where the student writes their name.</extracomment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Puedes practicar este ejercicio en Cuestaval: en «Ejercicios», escribe el código %1 y pulsa «Ir».</source>
        <extracomment>At the foot of each exercise on a student&apos;s sheet; &quot;Ejercicios&quot; is the menu button.</extracomment>
        <translation>You can practise this exercise in Cuestaval: in “Exercises”, type the code %1 and press “Go”.</translation>
    </message>
    <message>
        <source>Respuestas (se aceptan dentro del margen indicado):</source>
        <extracomment>The key&apos;s answers, before the worked solution; each is the exact value and its margin.</extracomment>
        <translation>Answers (accepted within the margin shown):</translation>
    </message>
    <message>
        <source>%1 a %2</source>
        <extracomment>The codes of a class set, first and last: &quot;1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1, código %2</source>
        <extracomment>A file written, with the one code it holds: &quot;Hoja para los alumnos, código 1-3-100&quot;.</extracomment>
        <translation>%1, code %2</translation>
    </message>
    <message>
        <source>%1, códigos %2 a %3</source>
        <extracomment>A file written, with the codes it holds: &quot;Hoja para los alumnos, códigos 1-3-100 a 1-3-129&quot;.</extracomment>
        <translation>%1, codes %2 to %3</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Exercise sheet</translation>
    </message>
    <message>
        <source>Clave de respuestas</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>Hoja para los alumnos</source>
        <translation>Students’ sheet</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle</source>
        <translation>Moodle question bank</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» (la carpeta no existe o no se puede escribir en ella), así que no se ha guardado ningún archivo de la hoja.</source>
        <translation>“%1” could not be saved (the folder does not exist or cannot be written to), so no file of the sheet has been saved.</translation>
    </message>
    <message>
        <source>hoja</source>
        <extracomment>Names of the files of a class set, before their codes: &quot;hoja 1-3-100 a 1-3-129.pdf&quot;.</extracomment>
        <translation>sheet</translation>
    </message>
    <message>
        <source>clave</source>
        <translation>key</translation>
    </message>
    <message>
        <source>moodle</source>
        <translation>moodle</translation>
    </message>
    <message>
        <source>Prepara N ejercicios distintos, de 1 a %1, uno por alumno, sin abrir ninguna ventana, y escribe los archivos que piden --sheet, --key y --moodle.</source>
        <translation>Prepares N different exercises, 1 to %1, one per student, without opening any window, and writes the files asked for with --sheet, --key and --moodle.</translation>
    </message>
    <message>
        <source>El problema: inclined (plano inclinado), table (plano horizontal), atwood (máquina de Atwood) o any (uno cualquiera en cada ejercicio).</source>
        <translation>The problem: inclined (inclined plane), table (horizontal plane), atwood (Atwood machine) or any (any one for each exercise).</translation>
    </message>
    <message>
        <source>ARCHIVO.pdf</source>
        <extracomment>The value name of --sheet and --key in the command line&apos;s help.</extracomment>
        <translation>FILE.pdf</translation>
    </message>
    <message>
        <source>ARCHIVO.xml</source>
        <extracomment>The value name of --moodle in the command line&apos;s help.</extracomment>
        <translation>FILE.xml</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Resuelve y simula tres problemas clásicos de la segunda ley de Newton: el plano inclinado con fricción, el bloque sobre una mesa arrastrado a través de una polea y la máquina de Atwood.</source>
        <translation>Solves and simulates three classic problems of Newton&apos;s second law: the inclined plane with friction, the block on a table pulled over a pulley, and the Atwood machine.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Muestra la versión y la licencia.</source>
        <translation>Shows the version and the licence.</translation>
    </message>
    <message>
        <source>no admite argumentos: %1</source>
        <translation>takes no arguments: %1</translation>
    </message>
    <message>
        <source>cuestaval: la escala «%1» no vale; las escalas son 100, 125, 150, 175 y 200.</source>
        <translation>cuestaval: the scale “%1” is not valid; the scales are 100, 125, 150, 175 and 200.</translation>
    </message>
    <message>
        <source>Cuestaval necesita una sesión gráfica: ábrelo desde el escritorio (X11 o Wayland).</source>
        <translation>Cuestaval needs a graphical session: start it from the desktop (X11 or Wayland).</translation>
    </message>
    <message>
        <source>Prueba «cuestaval --help».</source>
        <translation>Try “cuestaval --help”.</translation>
    </message>
    <message>
        <source>Escala de las ventanas, en porcentaje: 100, 125, 150, 175 o 200.</source>
        <translation>Scale of the windows, as a percentage: 100, 125, 150, 175 or 200.</translation>
    </message>
    <message>
        <source>porcentaje</source>
        <extracomment>The value name of --zoom in the command line&apos;s help.</extracomment>
        <translation>percentage</translation>
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
        <translation>Energy (J)</translation>
    </message>
</context>
<context>
    <name>Exercises</name>
    <message>
        <source>Plano inclinado</source>
        <translation>Inclined plane</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Horizontal plane</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood machine</translation>
    </message>
    <message>
        <source>Calcula %1</source>
        <extracomment>A question of the practice, named by its unknown: &quot;Calcula μ&quot;.</extracomment>
        <translation>Find %1</translation>
    </message>
    <message>
        <source>Calcula %1 y %2</source>
        <extracomment>A question of the practice, named by its two unknowns: &quot;Calcula m₂ y a&quot;.</extracomment>
        <translation>Find %1 and %2</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción. Revisa la ecuación del eje x: además de m·g·sen θ actúa la fricción fr = μ·m·g·cos θ, que se opone al deslizamiento.</source>
        <translation>It looks as if you left out friction. Check the equation along the x axis: besides m·g·sin θ, the friction fr = μ·m·g·cos θ acts on the block, opposing the sliding.</translation>
    </message>
    <message>
        <source>Parece que has cambiado el seno por el coseno. Al descomponer el peso, la componente a lo largo del plano es m·g·sen θ y la perpendicular al plano, m·g·cos θ.</source>
        <translation>It looks as if you swapped sine and cosine. When you split the weight into components, the one along the plane is m·g·sin θ and the one perpendicular to the plane is m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al deslizamiento, así que en el eje x resta: m·g·sen θ − fr = m·a.</source>
        <translation>It looks as if you added the friction. Friction opposes the sliding, so along the x axis it is subtracted: m·g·sin θ − fr = m·a.</translation>
    </message>
    <message>
        <source>Parece que has tomado la normal igual al peso. En un plano inclinado la normal equilibra solo la componente perpendicular del peso: N = m·g·cos θ.</source>
        <translation>It looks as if you took the normal force equal to the weight. On an inclined plane the normal force balances only the perpendicular component of the weight: N = m·g·cos θ.</translation>
    </message>
    <message>
        <source>Parece que la calculadora estaba en radianes. Los ángulos de este problema van en grados: pon la calculadora en modo grados (DEG) y repite el cálculo.</source>
        <translation>It looks as if your calculator was in radians. The angles in this problem are in degrees: set your calculator to degrees (DEG) and do the calculation again.</translation>
    </message>
    <message>
        <source>Parece que no has tenido en cuenta la fricción de la mesa. En la ecuación del bloque 1, además de la tensión T, actúa la fricción fr = μ·m₁·g, que se opone al movimiento.</source>
        <translation>It looks as if you left out the friction of the table. In the equation for block 1, besides the tension T, the friction fr = μ·m₁·g acts on the block, opposing the motion.</translation>
    </message>
    <message>
        <source>Revisa la fricción: actúa sobre el bloque de la mesa, cuya normal es N = m₁·g, así que fr = μ·m₁·g. El bloque colgante no roza con nada.</source>
        <translation>Check the friction: it acts on the block on the table, whose normal force is N = m₁·g, so fr = μ·m₁·g. The hanging block does not rub against anything.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: el peso del bloque colgante arrastra a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Check which mass is accelerated: the weight of the hanging block drags both blocks, so the equation for the whole system has the total mass m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque colgante. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₂·(g − a).</source>
        <translation>It looks as if you took the tension equal to the weight of the hanging block. That block accelerates downwards, so the string pulls on it with less force than its weight: T = m₂·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has sumado la fricción. La fricción se opone al movimiento, así que en la ecuación del bloque 1 resta: T − fr = m₁·a.</source>
        <translation>It looks as if you added the friction. Friction opposes the motion, so in the equation for block 1 it is subtracted: T − fr = m₁·a.</translation>
    </message>
    <message>
        <source>Revisa qué bloque baja: m₁ es el que baja, m₁·g − T = m₁·a, y m₂ el que sube, T − m₂·g = m₂·a.</source>
        <translation>Check which block goes down: m₁ is the one going down, m₁·g − T = m₁·a, and m₂ the one going up, T − m₂·g = m₂·a.</translation>
    </message>
    <message>
        <source>Revisa qué masa se acelera: la diferencia de pesos mueve a los dos bloques, así que en la ecuación del conjunto va la masa total m₁ + m₂.</source>
        <translation>Check which mass is accelerated: the difference between the weights moves both blocks, so the equation for the whole system has the total mass m₁ + m₂.</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual al peso del bloque que baja. Ese bloque acelera hacia abajo, así que la cuerda tira de él con menos fuerza que su peso: T = m₁·(g − a).</source>
        <translation>It looks as if you took the tension equal to the weight of the block going down. That block accelerates downwards, so the string pulls on it with less force than its weight: T = m₁·(g − a).</translation>
    </message>
    <message>
        <source>Parece que has tomado la tensión igual a la fuerza neta, (m₁ − m₂)·g. La tensión es la fuerza de la cuerda sobre cada bloque: sale de la ecuación de uno de ellos.</source>
        <translation>It looks as if you took the tension equal to the net force, (m₁ − m₂)·g. The tension is the force of the string on each block: it comes from the equation for one of them.</translation>
    </message>
    <message>
        <source>Revisa el signo de a en la ecuación del bloque que sube: acelera hacia arriba, T − m₂·g = m₂·a, así que T = m₂·(g + a).</source>
        <translation>Check the sign of a in the equation for the block going up: it accelerates upwards, T − m₂·g = m₂·a, so T = m₂·(g + a).</translation>
    </message>
    <message>
        <source>Un bloque baja deslizándose por un plano inclinado que forma un ángulo θ con la horizontal, con aceleración a. Entre el bloque y el plano hay fricción cinética, de coeficiente μ.</source>
        <translation>A block slides down an inclined plane that makes an angle θ with the horizontal, with acceleration a. There is kinetic friction between the block and the plane, with coefficient μ.</translation>
    </message>
    <message>
        <source>Un bloque de masa m₁ está sobre una mesa horizontal, con coeficiente de fricción cinética μ entre el bloque y la mesa. Una cuerda que pasa por una polea en el borde de la mesa lo une a un bloque colgante de masa m₂, que baja y lo arrastra: los dos se mueven con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>A block of mass m₁ lies on a horizontal table, with a coefficient of kinetic friction μ between the block and the table. A string passing over a pulley at the edge of the table ties it to a hanging block of mass m₂, which goes down and pulls it along: both move with acceleration a, and the tension in the string is T. The string and the pulley have negligible mass.</translation>
    </message>
    <message>
        <source>Dos bloques cuelgan de los extremos de una cuerda que pasa por una polea fija (máquina de Atwood): el de masa m₁ baja y el de masa m₂ sube, los dos con aceleración a, y la tensión de la cuerda es T. La cuerda y la polea tienen masa despreciable.</source>
        <translation>Two blocks hang from the ends of a string passing over a fixed pulley (Atwood machine): the block of mass m₁ goes down and the block of mass m₂ goes up, both with acceleration a, and the tension in the string is T. The string and the pulley have negligible mass.</translation>
    </message>
    <message>
        <source>el ángulo θ del plano</source>
        <translation>the angle θ of the plane</translation>
    </message>
    <message>
        <source>el coeficiente de fricción μ</source>
        <translation>the coefficient of friction μ</translation>
    </message>
    <message>
        <source>la aceleración a del bloque</source>
        <translation>the acceleration a of the block</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque de la mesa</source>
        <translation>the mass m₁ of the block on the table</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque colgante</source>
        <translation>the mass m₂ of the hanging block</translation>
    </message>
    <message>
        <source>la aceleración a</source>
        <translation>the acceleration a</translation>
    </message>
    <message>
        <source>la tensión T de la cuerda</source>
        <translation>the tension T in the string</translation>
    </message>
    <message>
        <source>la masa m₁ del bloque que baja</source>
        <translation>the mass m₁ of the block going down</translation>
    </message>
    <message>
        <source>la masa m₂ del bloque que sube</source>
        <translation>the mass m₂ of the block going up</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list: &quot;θ = 30°, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Datos: %1.</source>
        <extracomment>%1 lists the given values: &quot;m₁ = 2 kg, m₂ = 3 kg, μ = 0,2 y g = 9,81 m/s²&quot;.</extracomment>
        <translation>Data: %1.</translation>
    </message>
    <message>
        <source>Calcula %1.</source>
        <extracomment>%1 names the unknown: &quot;el coeficiente de fricción μ&quot;.</extracomment>
        <translation>Find %1.</translation>
    </message>
    <message>
        <source>Calcula %1 y %2.</source>
        <extracomment>%1 and %2 name the unknowns: &quot;la masa m₂ del bloque colgante&quot;, &quot;la aceleración a&quot;.</extracomment>
        <translation>Find %1 and %2.</translation>
    </message>
    <message>
        <source>Escribe el código de un ejercicio.</source>
        <translation>Type the code of an exercise.</translation>
    </message>
    <message>
        <source>No hay ningún ejercicio con el código «%1».</source>
        <translation>There is no exercise with the code “%1”.</translation>
    </message>
    <message>
        <source>Un código tiene tres números separados por guiones, como 2-4-4817: el problema (1, 2 o 3), la pregunta y un número de 0 a %1.</source>
        <extracomment>%1 is the largest number of an exercise.</extracomment>
        <translation>A code is three numbers separated by hyphens, such as 2-4-4817: the problem (1, 2 or 3), the question and a number from 0 to %1.</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Atwood Machine.</translation>
    </message>
    <message>
        <source>Máquina de Atwood: una polea con una cuerda de cuyos extremos cuelgan los bloques m1 y m2, con la tensión T hacia arriba y los pesos m1 g y m2 g hacia abajo.</source>
        <translation>Atwood machine: a pulley with a string from whose ends hang the blocks m1 and m2, with the tension T upwards and the weights m1 g and m2 g downwards.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>in kilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>in metres per second squared</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>in newtons</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood Machine</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>en kilogramos</source>
        <translation>in kilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>in metres per second squared</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>in newtons</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>in degrees</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>no unit</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Problema</source>
        <extracomment>Caption of the list of problems to practise.</extracomment>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Pregunta</source>
        <extracomment>Caption of the list of questions: what the exercise asks for.</extracomment>
        <translation>Question</translation>
    </message>
    <message>
        <source>Nuevo ejercicio</source>
        <translation>New Exercise</translation>
    </message>
    <message>
        <source>Comprobar</source>
        <extracomment>Button: checks the typed answers.</extracomment>
        <translation>Check</translation>
    </message>
    <message>
        <source>Ver simulación</source>
        <extracomment>Button: opens the simulation of the problem with the exercise&apos;s values.</extracomment>
        <translation>Show Simulation</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Código</source>
        <extracomment>Caption of the field where the student types an exercise&apos;s code, as 2-4-4817.</extracomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Ir</source>
        <extracomment>Button: opens the exercise whose code is typed beside it.</extracomment>
        <translation>Go</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>One of the choices of problem and of question: any of them.</extracomment>
        <translation>Any</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <extracomment>%1 is the exercise&apos;s code: problem, question and number, as 2-4-4817.</extracomment>
        <translation>Code: %1</translation>
    </message>
    <message>
        <source>Tienes tres intentos.</source>
        <translation>You have three tries.</translation>
    </message>
    <message>
        <source>Correcto</source>
        <extracomment>Beside an answer that is within the tolerance of the exact value.</extracomment>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Incorrecto</source>
        <extracomment>Beside an answer that is not.</extracomment>
        <translation>Incorrect</translation>
    </message>
    <message>
        <source>Te queda un intento.</source>
        <translation>One try left.</translation>
    </message>
    <message>
        <source>Te quedan %1 intentos.</source>
        <translation>%1 tries left.</translation>
    </message>
    <message>
        <source>Solución: %1.</source>
        <extracomment>%1 lists the exact answers: &quot;a = 3,21 m/s²; T = 14,13 N&quot;.</extracomment>
        <translation>Solution: %1.</translation>
    </message>
    <message>
        <source>Correctos a la primera: %1 de %2</source>
        <extracomment>Exercises answered right at the first try, of those checked in this session.</extracomment>
        <translation>Right at the first try: %1 of %2</translation>
    </message>
    <message>
        <source>Preparar una hoja…</source>
        <extracomment>Button: opens the dialog that writes a different exercise for every student of a class.</extracomment>
        <translation>Prepare a Sheet…</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Fricción mayor</source>
        <extracomment>Shown instead of an acceleration: friction holds the block still</extracomment>
        <translation>Friction too high</translation>
    </message>
    <message>
        <source>Ángulo de Inclinación</source>
        <translation>Angle of Inclination</translation>
    </message>
    <message>
        <source>Coeficiente de Fricción</source>
        <translation>Coefficient of Friction</translation>
    </message>
    <message>
        <source>Aceleración del Bloque</source>
        <translation>Acceleration of the Block</translation>
    </message>
    <message>
        <source>Tiempo de Deslizamiento</source>
        <translation>Sliding Time</translation>
    </message>
    <message>
        <source>Distancia Recorrida</source>
        <translation>Distance Travelled</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Start Motion</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Stop Motion</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Data and Graphs</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Values from the problem</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>El plano inclinado con el bloque y sus fuerzas: peso, sus componentes, normal y fricción, a escala. Durante el movimiento deja marcas cada 0,1 s en las franjas izquierda e inferior.</source>
        <translation>The inclined plane with the block and its forces: weight, its components, normal force and friction, to scale. While it moves it leaves marks every 0.1 s on the left and bottom strips.</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Inclined plane</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Horizontal Plane.</translation>
    </message>
    <message>
        <source>Masa del Bloque 1</source>
        <translation>Mass of Block 1</translation>
    </message>
    <message>
        <source>Masa del Bloque 2</source>
        <translation>Mass of Block 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>Aceleración de los Bloques</source>
        <translation>Acceleration of the Blocks</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Simulation Time</translation>
    </message>
    <message>
        <source>Distancia</source>
        <extracomment>Label of the distance the blocks have moved</extracomment>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Start Motion</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Stop Motion</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Data and Graphs</translation>
    </message>
    <message>
        <source>Valores del problema</source>
        <translation>Values from the problem</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>La mesa con el bloque 1, la polea y el bloque 2 que cuelga, con las tensiones, la fricción y el peso a escala. Durante el movimiento deja marcas cada 0,1 s.</source>
        <translation>The table with block 1, the pulley and the hanging block 2, with the tensions, the friction and the weight to scale. While they move it leaves marks every 0.1 s.</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Horizontal plane</translation>
    </message>
    <message>
        <source>No solución</source>
        <extracomment>Shown in the acceleration field, which is narrow: keep it short</extracomment>
        <translation>No solution</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Segunda Ley de Newton.</source>
        <translation>Newton&apos;s Second Law.</translation>
    </message>
    <message>
        <source>&quot;Segunda Ley de Newton&quot;</source>
        <translation>&quot;Newton&apos;s Second Law&quot;</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood Machine</translation>
    </message>
    <message>
        <source>&quot;Máquina de Atwood&quot;</source>
        <translation>&quot;Atwood Machine&quot;</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Máquina de Atwood.</source>
        <translation>Atwood Machine.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Mass 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Mass 2</translation>
    </message>
    <message>
        <source>Tiempo de Simulación</source>
        <translation>Simulation Time</translation>
    </message>
    <message>
        <source>Aceleración Masa 1</source>
        <translation>Acceleration Mass 1</translation>
    </message>
    <message>
        <source>Aceleración Masa 2</source>
        <translation>Acceleration Mass 2</translation>
    </message>
    <message>
        <source>Tensión</source>
        <extracomment>Label: the tension in the cord</extracomment>
        <translation>Tension</translation>
    </message>
    <message>
        <source>Distancia </source>
        <extracomment>Label of the distance each mass has moved (the trailing blank is part of the original layout)</extracomment>
        <translation>Distance </translation>
    </message>
    <message>
        <source>Iniciar Movimiento</source>
        <translation>Start Motion</translation>
    </message>
    <message>
        <source>Detener Movimiento</source>
        <translation>Stop Motion</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button: goes back to the problem window</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Datos y gráficas</source>
        <translation>Data and Graphs</translation>
    </message>
    <message>
        <source>Nota sobre las masas del problema</source>
        <translation>Note on the masses from the problem</translation>
    </message>
    <message>
        <source>Simulación</source>
        <extracomment>Accessible name of the animated picture</extracomment>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>La máquina de Atwood: la polea, las cuerdas y los dos bloques con sus pesos y tensiones a escala. Durante el movimiento deja marcas cada 0,1 s junto a los bloques.</source>
        <translation>The Atwood machine: the pulley, the strings and the two blocks with their weights and tensions to scale. While they move it leaves marks every 0.1 s beside the blocks.</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <extracomment>The simulation&apos;s name: data window title, file names</extracomment>
        <translation>Atwood Machine</translation>
    </message>
    <message>
        <source>No hay solución</source>
        <translation>There is no solution</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Prof. de Física · Mecánica Clásica</source>
        <extracomment>Author credit: &quot;Prof.&quot; abbreviates &quot;Profesor&quot; (teacher)</extracomment>
        <translation>Physics Teacher · Classical Mechanics</translation>
    </message>
    <message>
        <source>Plano Horizontal</source>
        <translation>Horizontal Plane</translation>
    </message>
    <message>
        <source>Máquina de Atwood</source>
        <translation>Atwood Machine</translation>
    </message>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ejercicios</source>
        <extracomment>Button: opens the practice window, which poses problems to solve</extracomment>
        <translation>Exercises</translation>
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
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>in metres per second squared</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>in degrees</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>no unit</translation>
    </message>
    <message>
        <source>Plano inclinado</source>
        <translation>Inclined plane</translation>
    </message>
    <message>
        <source>Bloque sobre un plano inclinado un ángulo θ, con su peso m g descompuesto en m g sen θ y m g cos θ, la fuerza Normal y la fricción fr.</source>
        <translation>Block on a plane inclined at an angle θ, with its weight m g split into m g sin θ and m g cos θ, the Normal force and the friction fr.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>Plano Horizontal.</source>
        <translation>Horizontal Plane.</translation>
    </message>
    <message>
        <source>Bloque m1 sobre una mesa con las fuerzas N, fr, T y m1 g, unido por una cuerda que pasa por una polea al bloque colgante m2, con las fuerzas T y m2 g.</source>
        <translation>Block m1 on a table with the forces N, fr, T and m1 g, joined by a string passing over a pulley to the hanging block m2, with the forces T and m2 g.</translation>
    </message>
    <message>
        <source>Resolver</source>
        <extracomment>Button verb: solve the problem for the unknown fields.</extracomment>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Regresar</source>
        <extracomment>Button verb: go back to the menu.</extracomment>
        <translation>Return</translation>
    </message>
    <message>
        <source>Simulación</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>in kilograms</translation>
    </message>
    <message>
        <source>sin unidades</source>
        <translation>no unit</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>in metres per second squared</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>in newtons</translation>
    </message>
    <message>
        <source>Plano horizontal</source>
        <translation>Horizontal plane</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <extracomment>The check box of μ; it may be shortened to fit (its full form is the one of the messages).</extracomment>
        <translation>Coefficient of friction</translation>
    </message>
</context>
<context>
    <name>Handover</name>
    <message>
        <source>Aquí g = %1 m/s²: %2 = %3 %4; con %5 m/s², %6 %4</source>
        <extracomment>After a problem&apos;s values reach a simulation: %1 its g, %2 a symbol (T, a), %3 the value the window shows, %4 its unit, %5 the g of the problem windows, %6 the value with that g</extracomment>
        <translation>Here g = %1 m/s²: %2 = %3 %4; with %5 m/s², %6 %4</translation>
    </message>
</context>
<context>
    <name>HorizontalPlaneCases</name>
    <message>
        <source>El coeficiente de fricción debe ser mayor o igual a cero</source>
        <translation>The coefficient of friction must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor o igual a cero</source>
        <translation>The tension must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La tensión debe ser mayor que cero</source>
        <translation>The tension must be greater than zero</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor o igual a cero</source>
        <translation>The acceleration must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor a cero</source>
        <translation>Mass m1 must be greater than zero</translation>
    </message>
    <message>
        <source>La masa m1 debe ser mayor o igual a cero</source>
        <translation>Mass m1 must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor o igual a cero</source>
        <translation>Mass m2 must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>La aceleración debe ser positiva y menor a 9,81 metros sobre segundo al cuadrado</source>
        <translation>The acceleration must be positive and less than 9.81 metres per second squared</translation>
    </message>
    <message>
        <source>Una masa no puede ser negativa.</source>
        <translation>A mass cannot be negative.</translation>
    </message>
    <message>
        <source>Una cuerda solo puede tirar: su tensión no puede ser negativa.</source>
        <translation>A string can only pull: its tension cannot be negative.</translation>
    </message>
    <message>
        <source>Bloque 1, horizontal:   T − fr = m₁·a</source>
        <translation>Block 1, horizontal:   T − fr = m₁·a</translation>
    </message>
    <message>
        <source>Bloque 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</source>
        <translation>Block 1, vertical:   N − m₁·g = 0   ⇒   N = m₁·g</translation>
    </message>
    <message>
        <source>Bloque 2 (m₂, colgante): su peso m₂·g tira hacia abajo y la cuerda hacia arriba con T; la cuerda no se estira, así que los dos bloques tienen la misma aceleración a.</source>
        <translation>Block 2 (m₂, hanging): its weight m₂·g pulls downwards and the string pulls upwards with T; the string does not stretch, so both blocks have the same acceleration a.</translation>
    </message>
    <message>
        <source>Bloque 2, vertical (hacia abajo):   m₂·g − T = m₂·a</source>
        <translation>Block 2, vertical (downwards):   m₂·g − T = m₂·a</translation>
    </message>
    <message>
        <source>Sistema de ecuaciones:</source>
        <translation>System of equations:</translation>
    </message>
    <message>
        <source>Sumando las dos ecuaciones, la tensión desaparece:</source>
        <translation>Adding the two equations gets rid of the tension:</translation>
    </message>
    <message>
        <source>Las masas deben ser mayores o iguales a cero</source>
        <translation>The masses must be greater than or equal to zero</translation>
    </message>
    <message>
        <source>Escribe masas mayores o iguales a cero.</source>
        <translation>Enter masses greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor o igual a cero.</source>
        <translation>Enter a coefficient of friction greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Aumenta m₂ o reduce μ o m₁, hasta que m₂ ≥ μ·m₁.</source>
        <translation>Increase m₂ or reduce μ or m₁ until m₂ ≥ μ·m₁.</translation>
    </message>
    <message>
        <source>Las dos masas son cero: no hay nada que mover.</source>
        <translation>Both masses are zero: there is nothing to move.</translation>
    </message>
    <message>
        <source>Escribe al menos una masa mayor que cero.</source>
        <translation>Enter at least one mass greater than zero.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Solving for the unknowns</translation>
    </message>
    <message>
        <source>Para despejar μ hay que dividir entre m₁·g, así que m₁ no puede ser cero.</source>
        <translation>Solving for μ means dividing by m₁·g, so m₁ cannot be zero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor que cero.</source>
        <translation>Enter a mass m₁ greater than zero.</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor o igual a cero.</source>
        <translation>Enter a mass m₂ greater than or equal to zero.</translation>
    </message>
    <message>
        <source>El bloque colgante tira del sistema, que parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>The hanging block pulls the system, which starts from rest: it cannot accelerate backwards.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor o igual a cero.</source>
        <translation>Enter an acceleration greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Ni sin fricción (μ = 0) llegaría el sistema a esa aceleración: haría falta un coeficiente de fricción negativo.</source>
        <translation>Not even without friction (μ = 0) would the system reach that acceleration: it would take a negative coefficient of friction.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor o igual a %1, o aumenta m₂.</source>
        <translation>Enter an acceleration less than or equal to %1, or increase m₂.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja μ; T sale de la ecuación del bloque 2:</source>
        <translation>Solve (m₂ − μ·m₁)·g = (m₁ + m₂)·a for μ; T comes from the equation of block 2:</translation>
    </message>
    <message>
        <source>Escribe una masa m₁ mayor o igual a cero.</source>
        <translation>Enter a mass m₁ greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor que cero.</source>
        <translation>Enter a tension greater than zero.</translation>
    </message>
    <message>
        <source>Con una masa igual a cero no se puede despejar μ: habría que dividir entre m₁·m₂·g.</source>
        <translation>With a mass equal to zero μ cannot be found: it would mean dividing by m₁·m₂·g.</translation>
    </message>
    <message>
        <source>Escribe dos masas mayores que cero.</source>
        <translation>Enter two masses greater than zero.</translation>
    </message>
    <message>
        <source>Esa es la tensión sin fricción; una tensión menor pediría un coeficiente de fricción negativo.</source>
        <translation>That is the tension without friction; a smaller tension would need a negative coefficient of friction.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1.</source>
        <translation>Enter a tension of at least %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja μ:</source>
        <translation>Eliminating a between the two equations leaves T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, which is solved for μ:</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría, y el sistema no se movería hacia la polea.</source>
        <translation>The string would pull the hanging block upwards harder than its weight: it would go up, and the system would not move towards the pulley.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor o igual a %1, o aumenta m₂.</source>
        <translation>Enter a tension less than or equal to %1, or increase m₂.</translation>
    </message>
    <message>
        <source>La aceleración sale de la ecuación del bloque 2:</source>
        <translation>The acceleration comes from the equation of block 2:</translation>
    </message>
    <message>
        <source>Escribe una tensión mayor o igual a cero.</source>
        <translation>Enter a tension greater than or equal to zero.</translation>
    </message>
    <message>
        <source>Por pesado que sea el bloque colgante, la tensión se acerca a m₁·(1 + μ)·g sin llegar nunca a ese valor.</source>
        <translation>However heavy the hanging block is, the tension approaches m₁·(1 + μ)·g without ever reaching that value.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1, o aumenta m₁ o μ.</source>
        <translation>Enter a tension less than %1, or increase m₁ or μ.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₂; después a sale de la suma de las ecuaciones:</source>
        <translation>Eliminating a between the two equations leaves T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, which is solved for m₂; then the acceleration a comes from the sum of the equations:</translation>
    </message>
    <message>
        <source>a &lt; 0, es decir, T &lt; μ·m₁·g = %1</source>
        <translation>a &lt; 0, that is, T &lt; μ·m₁·g = %1</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce μ.</source>
        <translation>Enter a tension of at least %1, or reduce μ.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo hacia la polea, y el bloque colgante no puede caer más deprisa que en caída libre: 0 ≤ a &lt; g.</source>
        <translation>The system starts from rest towards the pulley, and the hanging block cannot fall faster than in free fall: 0 ≤ a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre 0 y 9,81 m/s² (sin llegar a 9,81).</source>
        <translation>Enter an acceleration between 0 and 9.81 m/s² (below 9.81).</translation>
    </message>
    <message>
        <source>De la ecuación del bloque 2, m₂·(g − a) = T, se despeja m₂; μ sale de la suma de las ecuaciones:</source>
        <translation>Solve the equation of block 2, m₂·(g − a) = T, for m₂; μ comes from the sum of the equations:</translation>
    </message>
    <message>
        <source>μ &lt; 0, es decir, T &lt; m₁·a = %1</source>
        <translation>μ &lt; 0, that is, T &lt; m₁·a = %1</translation>
    </message>
    <message>
        <source>La cuerda no tira lo bastante para dar esa aceleración al bloque de la mesa, ni siquiera sin fricción.</source>
        <translation>The string does not pull hard enough to give the block on the table that acceleration, not even without friction.</translation>
    </message>
    <message>
        <source>Escribe una tensión de al menos %1, o reduce a o m₁.</source>
        <translation>Enter a tension of at least %1, or reduce a or m₁.</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0, y el bloque colgante no puede caer más deprisa que en caída libre, a &lt; g.</source>
        <translation>This case needs a system that accelerates, a &gt; 0, and the hanging block cannot fall faster than in free fall, a &lt; g.</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que 0 y menor que 9,81 m/s².</source>
        <translation>Enter an acceleration greater than 0 and less than 9.81 m/s².</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₂; T sale de la ecuación del bloque 2:</source>
        <translation>Solve (m₂ − μ·m₁)·g = (m₁ + m₂)·a for m₂; T comes from the equation of block 2:</translation>
    </message>
    <message>
        <source>T − μ·m₁·g = m₁·a   (dos incógnitas, m₁ y μ, en una ecuación)</source>
        <translation>T − μ·m₁·g = m₁·a   (two unknowns, m₁ and μ, in one equation)</translation>
    </message>
    <message>
        <source>m₂, a y T solo describen el bloque colgante. La ecuación del bloque de la mesa tiene dos incógnitas, m₁ y μ, y cualquier pareja que la cumpla vale: faltan datos.</source>
        <translation>m₂, a and T only describe the hanging block. The equation of the block on the table has two unknowns, m₁ and μ, and any pair that satisfies it will do: there are not enough data.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T.</source>
        <translation>Tick m₁ or μ as given instead of m₂, a or T.</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor que cero</source>
        <translation>Mass m2 must be greater than zero</translation>
    </message>
    <message>
        <source>Escribe una masa m₂ mayor que cero.</source>
        <translation>Enter a mass m₂ greater than zero.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>The coefficient of friction must be greater than zero</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Enter a coefficient of friction greater than zero.</translation>
    </message>
    <message>
        <source>El sistema parte del reposo: no puede acelerar hacia atrás.</source>
        <translation>The system starts from rest: it cannot accelerate backwards.</translation>
    </message>
    <message>
        <source>Escribe una aceleración o un coeficiente de fricción mayor que cero.</source>
        <translation>Enter an acceleration or a coefficient of friction greater than zero.</translation>
    </message>
    <message>
        <source>De (m₂ − μ·m₁)·g = (m₁ + m₂)·a se despeja m₁; T sale de la ecuación del bloque 2:</source>
        <translation>Solve (m₂ − μ·m₁)·g = (m₁ + m₂)·a for m₁; T comes from the equation of block 2:</translation>
    </message>
    <message>
        <source>a &gt; g, así que m₁ &lt; 0</source>
        <translation>a &gt; g, so m₁ &lt; 0</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre.</source>
        <translation>The hanging block cannot fall faster than in free fall.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que 9,81 m/s².</source>
        <translation>Enter an acceleration less than 9.81 m/s².</translation>
    </message>
    <message>
        <source>La masa m2 debe ser mayor a cero</source>
        <translation>Mass m2 must be greater than zero</translation>
    </message>
    <message>
        <source>Para despejar a hay que dividir entre m₂, así que m₂ no puede ser cero.</source>
        <translation>Solving for a means dividing by m₂, so m₂ cannot be zero.</translation>
    </message>
    <message>
        <source>La cuerda tiraría del bloque colgante hacia arriba más que su peso: subiría en lugar de bajar.</source>
        <translation>The string would pull the hanging block upwards harder than its weight: it would go up instead of down.</translation>
    </message>
    <message>
        <source>Sin fricción, una tensión igual al peso del bloque colgante pediría un bloque m₁ infinitamente pesado.</source>
        <translation>Without friction, a tension equal to the weight of the hanging block would need an infinitely heavy block m₁.</translation>
    </message>
    <message>
        <source>Escribe una tensión menor que %1.</source>
        <translation>Enter a tension less than %1.</translation>
    </message>
    <message>
        <source>Eliminando a entre las dos ecuaciones queda T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, de donde se despeja m₁:</source>
        <translation>Eliminating a between the two equations leaves T·(m₁ + m₂) = m₁·m₂·(1 + μ)·g, which is solved for m₁:</translation>
    </message>
    <message>
        <source>La aceleración debe ser mayor que cero</source>
        <translation>The acceleration must be greater than zero</translation>
    </message>
    <message>
        <source>Escribe una aceleración mayor que cero.</source>
        <translation>Enter an acceleration greater than zero.</translation>
    </message>
    <message>
        <source>Cada bloque por separado: m₁ sale de la ecuación del bloque 1, T − μ·m₁·g = m₁·a, y m₂ de la del bloque 2, m₂·g − T = m₂·a.</source>
        <translation>Each block on its own: m₁ comes from the equation of block 1, T − μ·m₁·g = m₁·a, and m₂ from that of block 2, m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>El bloque colgante no puede caer más deprisa que en caída libre; con a ≥ g, m₂ = T/(g − a) no tiene sentido.</source>
        <translation>The hanging block cannot fall faster than in free fall; with a ≥ g, m₂ = T/(g − a) makes no sense.</translation>
    </message>
    <message>
        <source>Masa 1</source>
        <translation>Mass 1</translation>
    </message>
    <message>
        <source>Masa 2</source>
        <translation>Mass 2</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Tensión</source>
        <translation>Tension</translation>
    </message>
    <message>
        <source>masa del bloque sobre la mesa</source>
        <translation>mass of the block on the table</translation>
    </message>
    <message>
        <source>masa del bloque colgante</source>
        <translation>mass of the hanging block</translation>
    </message>
    <message>
        <source>coeficiente de fricción de la mesa</source>
        <translation>coefficient of friction of the table</translation>
    </message>
    <message>
        <source>aceleración del sistema</source>
        <translation>acceleration of the system</translation>
    </message>
    <message>
        <source>tensión de la cuerda</source>
        <translation>tension in the string</translation>
    </message>
    <message>
        <source>El coeficiente de fricción no puede ser negativo: la fricción siempre se opone al deslizamiento.</source>
        <translation>The coefficient of friction cannot be negative: friction always opposes sliding.</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante, con fricción cinética μ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier μ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>With a = 0 the blocks move at constant velocity, with kinetic friction μ = %1. If they were at rest, static friction would hold them with any μ ≥ %1: that value would only be the minimum.</translation>
    </message>
    <message>
        <source>Bloque 1 (m₁, sobre la mesa): la cuerda tira de él con la tensión T hacia la polea y la fricción fr se opone al deslizamiento; en vertical, la normal N equilibra el peso m₁·g.</source>
        <translation>Block 1 (m₁, on the table): the string pulls it towards the pulley with the tension T and the friction fr opposes the sliding; vertically, the normal force N balances the weight m₁·g.</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque 1 desliza):   fr = μ·N = μ·m₁·g</source>
        <translation>Kinetic friction (block 1 slides):   fr = μ·N = μ·m₁·g</translation>
    </message>
    <message>
        <source>El peso del bloque colgante, m₂·g, no supera la fricción máxima μ·m₁·g del bloque de la mesa: el sistema se queda en reposo, a = 0, la fricción estática vale justo m₂·g y la tensión es T = m₂·g = %1. La ventana no da resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>The weight of the hanging block, m₂·g, does not exceed the maximum friction μ·m₁·g on the block on the table: the system stays at rest, a = 0, the static friction is exactly m₂·g and the tension is T = m₂·g = %1. The window gives no result because its formulas are those of a sliding system, with kinetic friction.</translation>
    </message>
    <message>
        <source>De la suma de las dos ecuaciones se despeja a:</source>
        <translation>The acceleration a comes from the sum of the two equations:</translation>
    </message>
    <message>
        <source>T sale de la ecuación del bloque 2, T = m₂·(g − a); sustituyendo a queda:</source>
        <translation>T comes from the equation of block 2, T = m₂·(g − a); substituting a gives:</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es demasiado grande</source>
        <translation>the acceleration is not negative, it is too large</translation>
    </message>
    <message>
        <source>una de las masas es cero</source>
        <translation>one of the masses is zero</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero menor que la tensión sin fricción</source>
        <translation>the tension is positive, but less than the tension without friction</translation>
    </message>
    <message>
        <source>la tensión es positiva, pero mayor que el peso del bloque colgante</source>
        <translation>the tension is positive, but greater than the weight of the hanging block</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado grande</source>
        <translation>the tension is not negative, it is too large</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es menor que la fricción máxima</source>
        <translation>the tension is not negative, it is less than the maximum friction</translation>
    </message>
    <message>
        <source>Con T &lt; μ·m₁·g el sistema no desliza: se queda en reposo, a = 0, sujeto por la fricción estática, y entonces la cuerda aguanta el peso del bloque colgante, T = m₂·g, así que m₂ = T/g = %1. La ventana no da ese resultado porque sus fórmulas son las del sistema que desliza, con fricción cinética.</source>
        <translation>With T &lt; μ·m₁·g the system does not slide: it stays at rest, a = 0, held by static friction, and then the string bears the weight of the hanging block, T = m₂·g, so m₂ = T/g = %1. The window does not give this result because its formulas are those of a sliding system, with kinetic friction.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es demasiado pequeña para esa aceleración</source>
        <translation>the tension is not negative, it is too small for that acceleration</translation>
    </message>
    <message>
        <source>Comprobación</source>
        <translation>Checking the data</translation>
    </message>
    <message>
        <source>Los datos tienen que cumplir la ecuación del bloque 2, m₂·g − T = m₂·a:</source>
        <translation>The data must satisfy the equation of block 2, m₂·g − T = m₂·a:</translation>
    </message>
    <message>
        <source>Estos datos se contradicen: no cumplen la ecuación del bloque colgante. Y aunque la cumplieran, la ecuación del bloque de la mesa tendría dos incógnitas, m₁ y μ: faltarían datos.</source>
        <translation>These data contradict each other: they do not satisfy the equation of the hanging block. And even if they did, the equation of the block on the table would have two unknowns, m₁ and μ: there would not be enough data.</translation>
    </message>
    <message>
        <source>Marca m₁ o μ como dato en lugar de m₂, a o T, con valores que cumplan m₂·g − T = m₂·a.</source>
        <translation>Tick m₁ or μ as given instead of m₂, a or T, with values that satisfy m₂·g − T = m₂·a.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, pero a y μ valen cero a la vez</source>
        <translation>the acceleration is not negative, but a and μ are both zero</translation>
    </message>
    <message>
        <source>Sin fricción, el bloque colgante siempre acelera el sistema: a = m₂·g/(m₁ + m₂) &gt; 0 sea cual sea m₁. Ninguna m₁ da a = 0, y al despejarla habría que dividir entre a + μ·g = 0.</source>
        <translation>Without friction, the hanging block always accelerates the system: a = m₂·g/(m₁ + m₂) &gt; 0 whatever m₁ is. No m₁ gives a = 0, and solving for it would mean dividing by a + μ·g = 0.</translation>
    </message>
    <message>
        <source>Sin bloque colgante (m₂ = 0) y sin fricción, nada tira del bloque 1 ni lo frena: a = 0 con cualquier m₁, que no se puede despejar.</source>
        <translation>With no hanging block (m₂ = 0) and no friction, nothing pulls block 1 or holds it back: a = 0 for any m₁, which cannot be solved for.</translation>
    </message>
    <message>
        <source>la aceleración no es negativa, es mayor que g</source>
        <translation>the acceleration is not negative, it is greater than g</translation>
    </message>
    <message>
        <source>Con a = 0 los bloques se mueven a velocidad constante con m₁ = %1. Si estuvieran en reposo, la fricción estática los sujetaría con cualquier m₁ ≥ %1: ese valor sería solo el mínimo.</source>
        <translation>With a = 0 the blocks move at constant velocity with m₁ = %1. If they were at rest, static friction would hold them with any m₁ ≥ %1: that value would only be the minimum.</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es mayor que el peso del bloque colgante</source>
        <translation>the tension is not negative, it is greater than the weight of the hanging block</translation>
    </message>
    <message>
        <source>la tensión no es negativa, es igual al peso del bloque colgante</source>
        <translation>the tension is not negative, it is equal to the weight of the hanging block</translation>
    </message>
    <message>
        <source>Este caso pide un sistema que acelera, a &gt; 0. Con a = 0 los bloques podrían moverse a velocidad constante, pero la ventana no admite ese valor.</source>
        <translation>This case needs a system that accelerates, a &gt; 0. With a = 0 the blocks could be moving at constant velocity, but the window does not accept that value.</translation>
    </message>
    <message>
        <source>La gravedad debe ser mayor que la aceleración</source>
        <translation>Gravity must be greater than the acceleration</translation>
    </message>
</context>
<context>
    <name>InclinedPlaneCases</name>
    <message>
        <source>El ángulo debe ser mayor a cero y menor a 90 grados</source>
        <translation>The angle must be greater than zero and less than 90 degrees</translation>
    </message>
    <message>
        <source>Sobre el bloque actúan su peso m·g, la normal N (Normal en el dibujo) y la fricción fr, que se opone al deslizamiento. El eje x va a lo largo del plano, hacia abajo, y el eje y perpendicular al plano; el peso se descompone en m·g·sen θ y m·g·cos θ.</source>
        <translation>Three forces act on the block: its weight m·g, the normal force N (Normal in the diagram) and the friction fr, which opposes the sliding. The x axis runs along the plane, downwards, and the y axis perpendicular to the plane; the weight splits into m·g·sin θ and m·g·cos θ.</translation>
    </message>
    <message>
        <source>Eje x:   m·g·sen θ − fr = m·a</source>
        <translation>x axis:   m·g·sin θ − fr = m·a</translation>
    </message>
    <message>
        <source>Eje y:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</source>
        <translation>y axis:   N − m·g·cos θ = 0   ⇒   N = m·g·cos θ</translation>
    </message>
    <message>
        <source>Sustituyendo fr en la ecuación del eje x, la masa m se simplifica:</source>
        <translation>Substituting fr in the x-axis equation, the mass m cancels out:</translation>
    </message>
    <message>
        <source>a = g·(sen θ − μ·cos θ)</source>
        <translation>a = g·(sin θ − μ·cos θ)</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°; con 90° la pared es vertical y no hay normal ni fricción.</source>
        <translation>An inclined plane makes an angle between 0° and 90° with the ground; at 90° the wall is vertical and there is no normal force and no friction.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0 y menor que 90.</source>
        <translation>Enter an angle greater than 0 and less than 90.</translation>
    </message>
    <message>
        <source>El ángulo debe ser diferente de cero</source>
        <translation>The angle must not be zero</translation>
    </message>
    <message>
        <source>En un plano horizontal el peso no empuja al bloque a lo largo del plano: no desliza solo.</source>
        <translation>On a horizontal plane the weight does not push the block along the plane: it does not slide by itself.</translation>
    </message>
    <message>
        <source>Escribe un ángulo mayor que 0.</source>
        <translation>Enter an angle greater than 0.</translation>
    </message>
    <message>
        <source>9,81 por el seno del ángulo de inclinación debe ser mayor que la aceleración</source>
        <translation>9.81 times the sine of the angle of inclination must be greater than the acceleration</translation>
    </message>
    <message>
        <source>a ≥ g·sen θ = %1</source>
        <translation>a ≥ g·sin θ = %1</translation>
    </message>
    <message>
        <source>Sin fricción el bloque bajaría con g·sen θ; una aceleración igual o mayor pediría un coeficiente de fricción nulo o negativo.</source>
        <translation>Without friction the block would slide down with g·sin θ; an equal or greater acceleration would need a zero or negative coefficient of friction.</translation>
    </message>
    <message>
        <source>Escribe una aceleración menor que %1, o un ángulo mayor.</source>
        <translation>Enter an acceleration less than %1, or a larger angle.</translation>
    </message>
    <message>
        <source>Despeje</source>
        <extracomment>Heading of the worked solution: the unknowns isolated from the equations.</extracomment>
        <translation>Solving for the unknowns</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja μ:</source>
        <translation>Solve a = g·(sin θ − μ·cos θ) for μ:</translation>
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
        <translation>Searching for the angle</translation>
    </message>
    <message>
        <source>Con μ = %1, la aceleración va de %2 (θ = 0°) a %3 (θ = 90°): ningún ángulo entero da una aceleración tan cerca de a = %4. El programa no escribe nada.</source>
        <translation>With μ = %1, the acceleration goes from %2 (θ = 0°) to %3 (θ = 90°): no whole-degree angle gives an acceleration that close to a = %4. The program writes nothing.</translation>
    </message>
    <message>
        <source>Escribe una aceleración entre esos dos valores, o cambia μ.</source>
        <translation>Enter an acceleration between those two values, or change μ.</translation>
    </message>
    <message>
        <source>θ = %1:   a = %2·(sen %1 − %3·cos %1) ≈ %4</source>
        <translation>θ = %1:   a = %2·(sin %1 − %3·cos %1) ≈ %4</translation>
    </message>
    <message>
        <source>el mayor ángulo entero que cumple |a − g·(sen θ − μ·cos θ)| &lt; 0,1</source>
        <translation>the largest whole-degree angle for which |a − g·(sin θ − μ·cos θ)| &lt; 0.1</translation>
    </message>
    <message>
        <source>Un plano inclinado forma con el suelo un ángulo entre 0° y 90°.</source>
        <translation>An inclined plane makes an angle between 0° and 90° with the ground.</translation>
    </message>
    <message>
        <source>Escribe un ángulo entre 0 y 90.</source>
        <translation>Enter an angle between 0 and 90.</translation>
    </message>
    <message>
        <source>El coeficiente de fricción debe ser mayor que cero</source>
        <translation>The coefficient of friction must be greater than zero</translation>
    </message>
    <message>
        <source>Este problema es el de un plano con fricción: el coeficiente tiene que ser positivo.</source>
        <translation>This problem is about a plane with friction: the coefficient has to be positive.</translation>
    </message>
    <message>
        <source>Escribe un coeficiente de fricción mayor que cero.</source>
        <translation>Enter a coefficient of friction greater than zero.</translation>
    </message>
    <message>
        <source>La aceleración ya está despejada; se sustituyen los datos:</source>
        <translation>The acceleration is already isolated; substitute the data:</translation>
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
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Ángulo</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Coeficiente de fricción</source>
        <translation>Coefficient of friction</translation>
    </message>
    <message>
        <source>aceleración del bloque</source>
        <translation>acceleration of the block</translation>
    </message>
    <message>
        <source>ángulo del plano</source>
        <translation>angle of the plane</translation>
    </message>
    <message>
        <source>coeficiente de fricción</source>
        <translation>coefficient of friction</translation>
    </message>
    <message>
        <source>Fricción cinética (el bloque desliza):   fr = μ·N = μ·m·g·cos θ</source>
        <translation>Kinetic friction (the block slides):   fr = μ·N = μ·m·g·cos θ</translation>
    </message>
    <message>
        <source>De a = g·(sen θ − μ·cos θ) se despeja θ: como sen θ − μ·cos θ = √(1 + μ²)·sen(θ − arctg μ),</source>
        <translation>Solve a = g·(sin θ − μ·cos θ) for θ: since sin θ − μ·cos θ = √(1 + μ²)·sin(θ − arctan μ),</translation>
    </message>
    <message>
        <source>θ = arctg μ + arcsen %1</source>
        <extracomment>&quot;arctg&quot; and &quot;arcsen&quot; as the school books of the language write them.</extracomment>
        <translation>θ = arctan μ + arcsin %1</translation>
    </message>
    <message>
        <source>θ = arctg %1 + arcsen %2</source>
        <translation>θ = arctan %1 + arcsin %2</translation>
    </message>
    <message>
        <source>Con a = 0 el bloque baja a velocidad constante y μ = tg θ. Si estuviera en reposo, la fricción estática lo sujetaría con cualquier μ ≥ tg θ: el valor hallado sería solo el mínimo.</source>
        <translation>With a = 0 the block slides down at constant velocity and μ = tan θ. If it were at rest, static friction would hold it with any μ ≥ tan θ: the value found would only be the minimum.</translation>
    </message>
    <message>
        <source>La aceleración crece con el ángulo, de %1 (θ = 0°) a %2 (θ = 90°): ningún ángulo da exactamente a = %3.</source>
        <translation>The acceleration grows with the angle, from %1 (θ = 0°) to %2 (θ = 90°): no angle gives exactly a = %3.</translation>
    </message>
    <message>
        <source>La ventana no despeja θ: prueba los ángulos de grado entero de 0° a 90° en a = g·(sen θ − μ·cos θ) y escribe el mayor cuya aceleración se aleja de la dada menos de 0,1 m/s².</source>
        <translation>The window does not solve for θ: it tries the whole-degree angles from 0° to 90° in a = g·(sin θ − μ·cos θ) and writes the largest one whose acceleration is within 0.1 m/s² of the given one.</translation>
    </message>
    <message>
        <source>|a − g·(sen θ − μ·cos θ)| ≥ 0,1 m/s² para todo θ entero de 0° a 90°</source>
        <translation>|a − g·(sin θ − μ·cos θ)| ≥ 0.1 m/s² for every whole-degree θ from 0° to 90°</translation>
    </message>
    <message>
        <source>a = %1 está entre la aceleración de %2, %3, y la de %4, %5, pero a más de 0,1 m/s² de las dos: con μ = %6 la aceleración cambia más de 0,2 m/s² de un grado al siguiente. El ángulo exacto, %7°, no es entero, y la ventana no escribe nada.</source>
        <translation>a = %1 lies between the acceleration at %2, %3, and the one at %4, %5, but more than 0.1 m/s² from both: with μ = %6 the acceleration changes by more than 0.2 m/s² from one degree to the next. The exact angle, %7°, is not a whole number of degrees, and the window writes nothing.</translation>
    </message>
    <message>
        <source>El ángulo que buscas es el exacto, %1°. Para que la ventana escriba uno, acerca a a la aceleración de %2 o de %3.</source>
        <translation>The angle you are looking for is the exact one, %1°. For the window to write one, bring a closer to the acceleration at %2 or at %3.</translation>
    </message>
    <message>
        <source>Ningún ángulo da exactamente a, pero la aceleración de %1 queda a menos de 0,1 m/s², y la ventana lo escribe.</source>
        <translation>No angle gives exactly a, but the acceleration at %1 is within 0.1 m/s², and the window writes it.</translation>
    </message>
    <message>
        <source>Por eso la ventana escribe %1 y no el ángulo exacto, %2°: de %3 a %1 todos los ángulos enteros quedan a menos de 0,1 m/s² de a, y se queda con el mayor.</source>
        <translation>That is why the window writes %1 and not the exact angle, %2°: every whole-degree angle from %3 to %1 is within 0.1 m/s² of a, and it keeps the largest.</translation>
    </message>
    <message>
        <source>La ventana escribe %1, el único ángulo entero a menos de 0,1 m/s² de a; el exacto es %2°.</source>
        <translation>The window writes %1, the only whole-degree angle within 0.1 m/s² of a; the exact one is %2°.</translation>
    </message>
    <message>
        <source>La ventana pasa los grados a radianes con π ≈ 3,14159, un poco menos que π: por eso tg %1 le sale %2, algo menos que %3, y a es negativa por muy poco.</source>
        <translation>The window turns degrees into radians with π ≈ 3.14159, a little less than π: that is why it gets tan %1 = %2, slightly less than %3, and a is negative by a tiny amount.</translation>
    </message>
    <message>
        <source>μ &gt; tg θ   (%1 &gt; tg %2 = %3)</source>
        <extracomment>&quot;tg&quot; is the tangent as the school books of the language write it.</extracomment>
        <translation>μ &gt; tan θ   (%1 &gt; tan %2 = %3)</translation>
    </message>
    <message>
        <source>Solo la fricción máxima, μ·N = μ·m·g·cos θ, supera la componente del peso a lo largo del plano, m·g·sen θ: el bloque no desliza. Se queda en reposo, a = 0, y la fricción estática vale justo m·g·sen θ. La fórmula da un valor negativo porque es la del bloque que desliza, con fricción cinética; por eso la ventana no da resultado. Con μ = %1 el bloque empieza a deslizar a partir de θ = arctg μ = %2°.</source>
        <translation>Only the maximum friction, μ·N = μ·m·g·cos θ, exceeds the component of the weight along the plane, m·g·sin θ: the block does not slide. It stays at rest, a = 0, and the static friction is exactly m·g·sin θ. The formula gives a negative value because it is the one for a sliding block, with kinetic friction; that is why the window gives no result. With μ = %1 the block starts to slide from θ = arctan μ = %2°.</translation>
    </message>
    <message>
        <source>Aumenta el ángulo por encima de %1° o reduce μ por debajo de tg θ = %2.</source>
        <translation>Increase the angle above %1° or reduce μ below tan θ = %2.</translation>
    </message>
</context>
<context>
    <name>PrintPlugin</name>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>Problem</name>
    <message>
        <source>El valor de «%1» no es un número válido.</source>
        <translation>The value of “%1” is not a valid number.</translation>
    </message>
    <message>
        <source>El problema no tiene solución</source>
        <translation>The problem has no solution</translation>
    </message>
    <message>
        <source>%1 y %2</source>
        <extracomment>The last two items of a list of symbols: &quot;m₁, m₂ y μ&quot;.</extracomment>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1 no es un número</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>El campo «%1» no contiene un número que se pueda leer.</source>
        <translation>The field “%1” does not hold a number that can be read.</translation>
    </message>
    <message>
        <source>Escribe solo el número, con coma decimal y sin unidades: por ejemplo 2 o %1.</source>
        <translation>Type only the number, with a decimal point and no units: for example 2 or %1.</translation>
    </message>
    <message>
        <source>Se conocen %1; se buscan %2.</source>
        <extracomment>%1 lists the given symbols, %2 the sought ones (&quot;m₁, m₂ y μ&quot;).</extracomment>
        <translation>Given %1; to find %2.</translation>
    </message>
    <message>
        <source>Se conocen %1; se busca %2.</source>
        <extracomment>%1 lists the given symbols, %2 is the one sought.</extracomment>
        <translation>Given %1; to find %2.</translation>
    </message>
    <message>
        <source>Datos</source>
        <extracomment>Heading of the worked solution: the given values.</extracomment>
        <translation>Given data</translation>
    </message>
    <message>
        <source>En este caso no hace falta leer los valores: basta con saber qué datos se conocen.</source>
        <translation>In this case there is no need to read the values: it is enough to know which data are given.</translation>
    </message>
    <message>
        <source>g = %1 (aceleración de la gravedad)</source>
        <translation>g = %1 (acceleration due to gravity)</translation>
    </message>
    <message>
        <source>Con estos datos el resultado es tan grande que no cabe en ningún número.</source>
        <translation>With these data the result is too large to be represented.</translation>
    </message>
    <message>
        <source>Escribe datos de un tamaño razonable.</source>
        <translation>Enter data of a reasonable size.</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Por qué no hay resultado</source>
        <translation>Why there is no result</translation>
    </message>
    <message>
        <source>Segunda ley de Newton</source>
        <translation>Newton&apos;s second law</translation>
    </message>
    <message>
        <source>Ese mensaje no describe lo que falla: %1.</source>
        <translation>That message does not describe what fails: %1.</translation>
    </message>
    <message>
        <source>Marca tres casillas: las magnitudes que conoces</source>
        <extracomment>The blue note of a problem window after &quot;Resolver&quot; with too few or too many boxes ticked</extracomment>
        <translation>Tick three boxes: the quantities you know</translation>
    </message>
    <message>
        <source>Marca dos casillas: las magnitudes que conoces</source>
        <translation>Tick two boxes: the quantities you know</translation>
    </message>
    <message>
        <source>Escribe %1</source>
        <extracomment>Added to the blue note after a number typed with the other decimal separator; %1 is it as it must be typed</extracomment>
        <translation>Type %1</translation>
    </message>
</context>
<context>
    <name>ProblemWindow</name>
    <message>
        <source>Diagrama de fuerzas</source>
        <translation>Force diagram</translation>
    </message>
    <message>
        <source>Ver resolución</source>
        <extracomment>Button that opens the step-by-step solution of the last press of &quot;Resolver&quot;.</extracomment>
        <translation>Show Solution</translation>
    </message>
    <message>
        <source>En cifras decimales, introducir coma en vez de punto.</source>
        <translation>For decimal numbers, type a point (.).</translation>
    </message>
</context>
<context>
    <name>RunCharts</name>
    <message>
        <source>Distancia recorrida</source>
        <translation>Distance travelled</translation>
    </message>
    <message>
        <source>Distancia (m)</source>
        <translation>Distance (m)</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Title of the speed graph</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Velocidad (m/s)</source>
        <translation>Speed (m/s)</translation>
    </message>
    <message>
        <source>Tiempo (s)</source>
        <extracomment>Graph axis title</extracomment>
        <translation>Time (s)</translation>
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
        <translation>Work done by the weights</translation>
    </message>
    <message>
        <source>Trabajo del peso</source>
        <extracomment>Bar label and start of the balance line: the work of the one weight that works</extracomment>
        <translation>Work done by the weight</translation>
    </message>
    <message>
        <source>Energía cinética</source>
        <translation>Kinetic energy</translation>
    </message>
    <message>
        <source>Calor por rozamiento</source>
        <translation>Heat from friction</translation>
    </message>
    <message>
        <source>Variación de energía potencial</source>
        <translation>Change in potential energy</translation>
    </message>
    <message>
        <source>Trabajo de la tensión</source>
        <translation>Work done by the tension</translation>
    </message>
    <message>
        <source>W pesos</source>
        <extracomment>Column heading: W (work) of both weights; the body and unit follow</extracomment>
        <translation>W weights</translation>
    </message>
    <message>
        <source>W peso</source>
        <extracomment>Column heading: W (work) of the weight; the unit follows</extracomment>
        <translation>W weight</translation>
    </message>
    <message>
        <source>Ec</source>
        <extracomment>Column heading: the symbol of kinetic energy in the school books</extracomment>
        <translation>Ek</translation>
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
        <translation>W tension</translation>
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
        <translation>block 1</translation>
    </message>
    <message>
        <source>bloque 2</source>
        <translation>block 2</translation>
    </message>
    <message>
        <source>El bloque 1 avanza hacia la polea y el bloque 2 baja.</source>
        <translation>Block 1 moves towards the pulley and block 2 goes down.</translation>
    </message>
    <message>
        <source>La masa 1 baja y la masa 2 sube.</source>
        <translation>Mass 1 goes down and mass 2 goes up.</translation>
    </message>
    <message>
        <source>La masa 2 baja y la masa 1 sube.</source>
        <translation>Mass 2 goes down and mass 1 goes up.</translation>
    </message>
    <message>
        <source>masa 1</source>
        <extracomment>Body names inside column headings, e.g. &quot;Distancia masa 1 (m)&quot;</extracomment>
        <translation>mass 1</translation>
    </message>
    <message>
        <source>masa 2</source>
        <translation>mass 2</translation>
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
        <translation>Distance</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>Column heading, followed by the body and the unit</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Aceleración (m/s²)</source>
        <translation>Acceleration (m/s²)</translation>
    </message>
    <message>
        <source>Tensión (N)</source>
        <translation>Tension (N)</translation>
    </message>
    <message>
        <source>Aceleración: %1 m/s²</source>
        <translation>Acceleration: %1 m/s²</translation>
    </message>
    <message>
        <source>Tensión: %1 N</source>
        <translation>Tension: %1 N</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>Column heading (table and CSV file)</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Masa</source>
        <extracomment>Column heading of the files: a body&apos;s mass, followed by the body and the unit</extracomment>
        <translation>Mass</translation>
    </message>
</context>
<context>
    <name>ScrollBridge</name>
    <message>
        <source> (el máximo)</source>
        <extracomment>Appended to a note: the scroll bar is at its highest value. Keep the leading blank</extracomment>
        <translation> (the maximum)</translation>
    </message>
    <message>
        <source> (el mínimo)</source>
        <extracomment>Appended to a note: the scroll bar is at its lowest value. Keep the leading blank</extracomment>
        <translation> (the minimum)</translation>
    </message>
    <message>
        <source>%1 = %2%3 se muestra como %4%3%5</source>
        <extracomment>A problem&apos;s value the scroll bar cannot hold: %1 the symbol (m₁, μ, θ), %2 the value given, %3 its unit (may be empty), %4 the value the bar shows, %5 empty or &quot; (el máximo)&quot; / &quot; (el mínimo)&quot;</extracomment>
        <translation>%1 = %2%3 is shown as %4%3%5</translation>
    </message>
    <message>
        <source>«%1» no es un número (escribe %2); %3 sigue en %4%5</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the same number as it must be written, %3 the symbol (m₁, μ, θ), %4 the value its scroll bar keeps, %5 its unit (may be empty)</extracomment>
        <translation>“%1” is not a number (type %2); %3 stays at %4%5</translation>
    </message>
    <message>
        <source>«%1» no es un número; %2 sigue en %3%4</source>
        <extracomment>A simulation field refused what was typed: %1 the text, %2 the symbol (m₁, μ, θ), %3 the value its scroll bar keeps, %4 its unit (may be empty)</extracomment>
        <translation>“%1” is not a number; %2 stays at %3%4</translation>
    </message>
    <message>
        <source>%1 = %2%3 no cabe en la barra (de %4%3 a %5%3); sigue en %6%3</source>
        <extracomment>A simulation field refused a number its scroll bar cannot reach: %1 the symbol, %2 the number typed, %3 its unit (may be empty), %4 and %5 the ends of the bar, %6 the value the bar keeps</extracomment>
        <translation>%1 = %2%3 is beyond the slider (%4%3 to %5%3); it stays at %6%3</translation>
    </message>
</context>
<context>
    <name>SimulationWindow</name>
    <message>
        <source>Ampliar dibujo</source>
        <extracomment>Check box of the simulations: blocks and force arrows drawn larger, for a class to see</extracomment>
        <translation>Enlarge Drawing</translation>
    </message>
    <message>
        <source>Bloques y flechas de fuerza más grandes, para proyectar ante la clase</source>
        <translation>Larger blocks and force arrows, to project in front of a class</translation>
    </message>
    <message>
        <source>en kilogramos</source>
        <translation>in kilograms</translation>
    </message>
    <message>
        <source>en metros por segundo al cuadrado</source>
        <translation>in metres per second squared</translation>
    </message>
    <message>
        <source>en newtons</source>
        <translation>in newtons</translation>
    </message>
    <message>
        <source>en segundos</source>
        <translation>in seconds</translation>
    </message>
    <message>
        <source>en metros</source>
        <translation>in metres</translation>
    </message>
    <message>
        <source>en grados</source>
        <translation>in degrees</translation>
    </message>
</context>
<context>
    <name>TitleWindow</name>
    <message>
        <source>Laboratorio Virtual de Física</source>
        <translation>Virtual Physics Laboratory</translation>
    </message>
    <message>
        <source>Curso de Mecánica Clásica</source>
        <translation>Classical Mechanics</translation>
    </message>
    <message>
        <source>Emblema de Cuestaval</source>
        <translation>Cuestaval emblem</translation>
    </message>
    <message>
        <source>Un bloque sobre un plano inclinado, unido por una cuerda que pasa por una polea a un bloque que cuelga.</source>
        <translation>A block on an inclined plane, joined by a string passing over a pulley to a hanging block.</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>La ventana muestra el mensaje «%1».</source>
        <translation>The window shows the message “%1”.</translation>
    </message>
    <message>
        <source>Qué puedes cambiar:</source>
        <extracomment>Lead-in of the advice after the condition that stopped the case.</extracomment>
        <translation>What you can change:</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Solution: %1</translation>
    </message>
</context>
<context>
    <name>Working</name>
    <message>
        <source>indeterminado</source>
        <translation>undetermined</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>No se ha podido guardar la escala de las ventanas para la próxima vez.</source>
        <translation>The scale of the windows could not be saved for next time.</translation>
    </message>
</context>
<context>
    <name>app::HelpWindow</name>
    <message>
        <source>Atrás</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Índice</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Acerca de Cuestaval</source>
        <translation>About Cuestaval</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval</source>
        <translation>Cuestaval Help</translation>
    </message>
    <message>
        <source>Ayuda de Cuestaval: %1</source>
        <translation>Cuestaval Help: %1</translation>
    </message>
</context>
<context>
    <name>class_sets::ClassSetDialog</name>
    <message>
        <source>Preparar una hoja</source>
        <translation>Prepare a Sheet</translation>
    </message>
    <message>
        <source>Cualquiera</source>
        <extracomment>The problem or the question of a class set: each student gets one drawn from their code.</extracomment>
        <translation>Any</translation>
    </message>
    <message>
        <source>Al azar</source>
        <translation>At random</translation>
    </message>
    <message>
        <source>Desde el número</source>
        <translation>From number</translation>
    </message>
    <message>
        <source>Número del primer código</source>
        <translation>Number of the first code</translation>
    </message>
    <message>
        <source>Hoja para los alumnos (PDF)</source>
        <translation>Students’ sheet (PDF)</translation>
    </message>
    <message>
        <source>Clave de respuestas, con las resoluciones (PDF)</source>
        <translation>Answer key, with the worked solutions (PDF)</translation>
    </message>
    <message>
        <source>Banco de preguntas de Moodle (XML)</source>
        <translation>Moodle question bank (XML)</translation>
    </message>
    <message>
        <source>Archivos</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Guardar en una carpeta…</source>
        <translation>Save in a Folder…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Problema:</source>
        <translation>Problem:</translation>
    </message>
    <message>
        <source>Pregunta:</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>Alumnos:</source>
        <translation>Students:</translation>
    </message>
    <message>
        <source>Primer código:</source>
        <translation>First code:</translation>
    </message>
    <message>
        <source>El primer número se elige al azar al guardar.</source>
        <translation>The first number is drawn at random when saving.</translation>
    </message>
    <message>
        <source>Código: %1</source>
        <translation>Code: %1</translation>
    </message>
    <message>
        <source>Códigos: %1 a %2</source>
        <translation>Codes: %1 to %2</translation>
    </message>
    <message>
        <source>Carpeta donde guardar la hoja</source>
        <translation>Folder to save the sheet in</translation>
    </message>
    <message>
        <source>Archivos guardados en %1:</source>
        <translation>Files saved in %1:</translation>
    </message>
</context>
<context>
    <name>run_data::DataWindow</name>
    <message>
        <source>Datos y gráficas: %1</source>
        <extracomment>Window title; %1 is the simulation, e.g. &quot;Plano horizontal&quot;</extracomment>
        <translation>Data and Graphs: %1</translation>
    </message>
    <message>
        <source>Copiar</source>
        <extracomment>Button: copies the table to the clipboard</extracomment>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copia la tabla para pegarla en una hoja de cálculo</source>
        <translation>Copies the table for pasting into a spreadsheet</translation>
    </message>
    <message>
        <source>Guardar CSV…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>Guardar imagen…</source>
        <translation>Save Image…</translation>
    </message>
    <message>
        <source>Dibujo de la simulación (PNG)…</source>
        <translation>Simulation Drawing (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (PNG)…</source>
        <translation>Graphs (PNG)…</translation>
    </message>
    <message>
        <source>Gráficas (SVG)…</source>
        <translation>Graphs (SVG)…</translation>
    </message>
    <message>
        <source>Las gráficas no están disponibles: no se encontró el módulo de gráficas del programa. La tabla se puede copiar y guardar igualmente.</source>
        <translation>The graphs are not available: the program&apos;s graphs module was not found. The table can still be copied and saved.</translation>
    </message>
    <message>
        <source>Movimiento en curso</source>
        <translation>Motion in progress</translation>
    </message>
    <message>
        <source>Último movimiento: duró %1 s</source>
        <extracomment>%1 is the duration of the last run in seconds</extracomment>
        <translation>The last motion lasted %1 s</translation>
    </message>
    <message>
        <source>Guardar</source>
        <extracomment>Title of the save-file dialog</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Tabla CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Gráfico SVG (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>Aún no hay movimiento: pulsa «Iniciar Movimiento» en la simulación.</source>
        <translation>No motion yet: press “Start Motion” in the simulation.</translation>
    </message>
    <message>
        <source>No se pudo guardar «%1» en la carpeta «%2». Elige una carpeta en la que se pueda escribir.</source>
        <extracomment>%1 is a file name, %2 the folder it was to be saved in</extracomment>
        <translation>“%1” could not be saved in the folder “%2”. Choose a folder that can be written to.</translation>
    </message>
    <message>
        <source>Las energías son proporcionales a la masa; la aceleración no depende de ella.</source>
        <translation>The energies are proportional to the mass; the acceleration does not depend on it.</translation>
    </message>
    <message>
        <source>Masa del bloque para las energías:</source>
        <extracomment>Beside the box where the student sets the inclined plane&apos;s block mass</extracomment>
        <translation>Mass of the block for the energies:</translation>
    </message>
    <message>
        <source>Energía</source>
        <extracomment>Title of the energy graph before a run has a strobe instant</extracomment>
        <translation>Energy</translation>
    </message>
    <message>
        <source>%1, bloque de %2 kg</source>
        <extracomment>Added to the energy graph&apos;s title on the inclined plane: %1 the title, %2 the mass the student set</extracomment>
        <translation>%1, block of %2 kg</translation>
    </message>
    <message>
        <source>Energía en t = %1 s</source>
        <extracomment>Title of the energy graph: %1 the time of the last strobe instant, in s</extracomment>
        <translation>Energy at t = %1 s</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <extracomment>Button: closes the data window</extracomment>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>solvers::WorkedSolutionDialog</name>
    <message>
        <source>Resolución</source>
        <extracomment>Title of the dialog with the worked solution (&quot;solution&quot;, not &quot;resolution&quot;).</extracomment>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Resolución paso a paso</source>
        <translation>Step-by-Step Solution</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Guardar PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Resolución: %1</source>
        <translation>Solution: %1</translation>
    </message>
    <message>
        <source>No se puede imprimir: falta el módulo de impresión de Cuestaval.</source>
        <translation>Cannot print: Cuestaval&apos;s printing module is missing.</translation>
    </message>
    <message>
        <source>No se pudo imprimir la resolución. Comprueba la impresora.</source>
        <translation>The solution could not be printed. Check the printer.</translation>
    </message>
    <message>
        <source>Guardar PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo guardar el PDF en «%1». Comprueba que la carpeta existe y que puedes escribir en ella.</source>
        <translation>The PDF could not be saved to “%1”. Check that the folder exists and that you can write to it.</translation>
    </message>
</context>
<context>
    <name>title::TitleWindow</name>
    <message>
        <source>Salir</source>
        <extracomment>Button: ends the program</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Continuar</source>
        <extracomment>Button: goes on to the next window</extracomment>
        <translation>Continue</translation>
    </message>
</context>
</TS>
